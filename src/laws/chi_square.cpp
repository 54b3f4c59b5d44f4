#include "laws/chi_square.h"

#include <boost/math/special_functions/gamma.hpp>
#include <cmath>
#include <numbers>
#include <numeric>

namespace kolven {

namespace {

// A class is trusted to follow the χ² law once it expects this many counts.
constexpr double kLeastExpected = 5.0;

}  // namespace

std::optional<BinValues> lawProbabilities(Law law, double m)
{
    if (!(m > 0.0) || !std::isfinite(m))
        return std::nullopt;
    BinValues p{};
    for (int k = 0; k <= kLastBin; ++k) {
        if (law == Law::Poisson) {
            // Poisson: p_k = e^(−m) m^k / k!, taken through its logarithm
            // −m + k ln m − ln k! so that neither m^k nor k! is ever formed
            // (240! overflows a double; m^k does too for large m).
            p[k] = std::exp(-m + k * std::log(m) - std::lgamma(k + 1.0));
        } else {
            // Gauss with the variance equal to the mean:
            // p_k = e^(−(k − m)² / (2m)) / √(2πm).
            const double d = k - m;
            p[k] = std::exp(-d * d / (2.0 * m)) / std::sqrt(2.0 * std::numbers::pi * m);
        }
    }
    // Over 0 … 240 the laws do not add up to exactly 1 (Poisson leaves out
    // the tail beyond 240, Gauss is a density sampled at whole numbers);
    // divided by their sum, the expected numbers add up to the series' N.
    const double sum = std::accumulate(p.begin(), p.end(), 0.0);
    for (double& v : p)
        v /= sum;
    return p;
}

std::vector<ChiSquareClass> gatherClasses(const Histogram& observed, const BinValues& expected)
{
    std::vector<ChiSquareClass> classes;
    ChiSquareClass open{0, 0, 0.0, 0.0};
    for (int k = 0; k <= kLastBin; ++k) {
        open.lastBin = k;
        open.observed += observed[k];
        open.expected += expected[k];
        if (open.expected >= kLeastExpected) {
            classes.push_back(open);
            open = {k + 1, k + 1, 0.0, 0.0};
        }
    }
    if (open.firstBin <= kLastBin) {
        if (classes.empty()) {
            classes.push_back(open);
        } else {
            ChiSquareClass& last = classes.back();
            last.lastBin = open.lastBin;
            last.observed += open.observed;
            last.expected += open.expected;
        }
    }
    return classes;
}

std::optional<ChiSquareTest> chiSquareTest(const std::vector<ChiSquareClass>& classes)
{
    const int degrees = static_cast<int>(classes.size()) - 2;
    if (degrees < 1)
        return std::nullopt;
    // χ² = Σ (O − E)² / E over the classes; every class expects at least 5,
    // so no E is 0.
    double chiSquare = 0.0;
    for (const ChiSquareClass& c : classes) {
        const double gap = c.observed - c.expected;
        chiSquare += gap * gap / c.expected;
    }
    // The upper tail of the χ² law with ν degrees of freedom,
    // P(X ≥ χ²) = Q(ν/2, χ²/2), the regularised upper incomplete gamma.
    const double pValue = boost::math::gamma_q(degrees / 2.0, chiSquare / 2.0);
    return ChiSquareTest{chiSquare, degrees, pValue};
}

std::optional<ChiSquareTest> chiSquareAgainst(Law law, const Histogram& HISTO_COMPT, float m)
{
    const std::optional<BinValues> p = lawProbabilities(law, m);
    if (!p)
        return std::nullopt;
    // N is the total of the bins, which is the series' SN_L: the expected
    // and the observed numbers then have the same sum, as the test assumes.
    const double N = std::accumulate(HISTO_COMPT.begin(), HISTO_COMPT.begin() + kLastBin + 1, 0.0);
    BinValues expected{};
    for (int k = 0; k <= kLastBin; ++k)
        expected[k] = N * (*p)[k];
    return chiSquareTest(gatherClasses(HISTO_COMPT, expected));
}

}  // namespace kolven
