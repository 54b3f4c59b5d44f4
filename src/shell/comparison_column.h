#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <optional>

#include "core/histogram.h"
#include "display/comparison_geometry.h"
#include "laws/theoretical_series.h"
#include "platform/control.h"

namespace kolven {

// What a law's χ² test line shows: χ², ν and p; NaN, 0 and NaN while the
// test is not shown.
struct ChiSquareFigures {
    double KHI2_D = std::numeric_limits<double>::quiet_NaN();
    std::int16_t DDL_I = 0;
    double P_D = std::numeric_limits<double>::quiet_NaN();
};

// One column of the comparison: a histogram in its panel, with the labels
// that stand over and under it. The analysis, the read-out, the highlight,
// the load and the menus all go through the window's list of these, so a
// column of its own is one more entry there and its controls.
struct ComparisonColumn {
    Panel panel;
    // A law's column: its mean squared deviation reads the series' mean, a
    // law of counts having its mean for variance.
    std::optional<Law> law;
    const char* titleText;
    const Histogram* histogram;
    const Histogram* runningTotal;
    platform::Control* title;      // DISTR_*: under the panel
    platform::Control* count;      // EFF_*: the bin under the pointer
    platform::Control* total;      // SOMME_*: the running total up to it
    platform::Control* mean;       // NMOYEN*
    platform::Control* deviation;  // EQM2_*
    platform::Control* sigma;      // SIGMA2*
    // The panel's left edge as the last drawing placed it (D1A_I, D2A_I, D3A_I).
    std::int32_t left = 0;
    // A law's column: the two lines of its χ² test against the series (the
    // test, then its verdict at 5 %) and the figures they show.
    platform::Control* chiSquareLine = nullptr;
    platform::Control* chiSquareVerdict = nullptr;
    ChiSquareFigures* chiSquare = nullptr;

    std::array<platform::Control*, 3> statistics() const { return {mean, deviation, sigma}; }
    std::array<platform::Control*, 2> readouts() const { return {count, total}; }
};

}  // namespace kolven
