#pragma once

#include <array>
#include <optional>
#include <vector>

#include "core/histogram.h"
#include "laws/theoretical_series.h"

namespace kolven {

// One value per count 0 … 240, in double precision.
using BinValues = std::array<double, kLastBin + 1>;

// The law's probability of each count 0 … 240 at the mean m, divided by their
// sum over 0 … 240 so that they add up to 1 on the histogram's bins. Empty
// when the law has no value there (m not above 0).
std::optional<BinValues> lawProbabilities(Law law, double m);

// Adjacent bins gathered so that each class expects at least 5 counts.
struct ChiSquareClass {
    int firstBin;
    int lastBin;
    double observed;
    double expected;
};

// Classes from bin 0 upward, each closed as soon as its expected number
// reaches 5; a last class still under 5 joins the one before it (when there
// is one). Observed numbers are gathered over the same bins.
std::vector<ChiSquareClass> gatherClasses(const Histogram& observed, const BinValues& expected);

struct ChiSquareTest {
    double chiSquare;
    int degrees;  // ν
    double pValue;
    // The verdict at the 5 % level.
    bool compatible() const { return pValue >= 0.05; }
};

// The test on classes already gathered; ν = classes − 2 because the series
// gives both the total and the mean. Empty when ν < 1.
std::optional<ChiSquareTest> chiSquareTest(const std::vector<ChiSquareClass>& classes);

// The series' histogram (bins 0 … 240) against the law at the mean m the
// analysis uses: expected e_k = N p_k, N the series' number of counts.
std::optional<ChiSquareTest> chiSquareAgainst(Law law, const Histogram& HISTO_COMPT, float m);

}  // namespace kolven
