#pragma once

#include <cstdint>
#include <vector>

#include "core/histogram.h"
#include "display/comparison_geometry.h"
#include "platform/geometry.h"
#include "platform/surface.h"

namespace kolven {

// A histogram of the comparison and the panel it stands in.
struct ComparedHistogram {
    Panel panel;
    const Histogram* bins;
};

// What a drawing of the comparison leaves for the window to keep.
struct ComparisonDrawn {
    ComparisonGeometry geometry;
    // The bar loop's position counter, left one past the last position:
    // after a redraw no bin is selected.
    std::int16_t CURSEUR_I = 0;
};

// Erases the window's drawing and draws the histograms shown side by side
// on one vertical scale, left to right as listed, each in its panel with its
// axis, graduations and numbered labels, in the window's label font. The
// titles are the window's to show.
ComparisonDrawn TRACE_COMPARAISON(platform::Surface& surface, const platform::Font& font, const ComparisonInputs& in,
                                  const std::vector<ComparedHistogram>& shown);

}  // namespace kolven
