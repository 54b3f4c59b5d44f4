#include "laws/poisson_gauss.h"

#include <cmath>
#include <limits>

namespace kolven {

namespace {

// A shade above 2π (6.2831853072): the constant the laws have always been
// computed with, kept so that every Gauss bin matches the published tables.
constexpr double kTwoPi = 6.283185308;

constexpr double kLargestCount = std::numeric_limits<std::int32_t>::max();

double halfUp(double value)
{
    ARRONDI(value);
    return value;
}

}  // namespace

void ARRONDI(double& VALEUR_D)
{
    if (VALEUR_D - std::trunc(VALEUR_D) >= 0.5)
        VALEUR_D = std::trunc(VALEUR_D) + 1;
    VALEUR_D = std::trunc(VALEUR_D);
}

float seriesMean(std::int32_t S1_L, std::int32_t SN_L)
{
    return static_cast<float>(static_cast<double>(S1_L) / SN_L);  // single precision on purpose
}

// Poisson law: P(i) = e^(−m) m^i / i!, for i ≥ 0 and m ≥ 0, built term by
// term (P(i) = P(i−1) m / i) so that no factorial or power is ever formed and
// nothing overflows for any mean the series can have. Only e^(−m) itself
// would vanish, past m ≈ 745. The mean enters as its single-precision value;
// every term is in double.
LawValues poissonValues(float m, double N)
{
    LawValues values{};
    const double mean = m;
    double term = std::exp(-mean);
    values[0] = halfUp(N * term);
    for (int i = 1; i <= kLastBin; ++i) {
        term = (mean * term) / i;
        values[static_cast<std::size_t>(i)] = halfUp(N * term);
    }
    return values;
}

// Gauss law of counting, whose variance equals its mean:
//   G(i) = e^(−(i − m)² / 2m) / √(2π m),   for m > 0.
// The deviation i − m is taken in single precision, the rest in double. At
// m = 0 the exponent divides by zero and the law has no value: such a bin is
// NaN, for the caller to treat as the failure it is.
LawValues gaussValues(float m, double N)
{
    LawValues values{};
    const double mean = m;
    const double s = std::sqrt(mean * kTwoPi);
    for (int i = 0; i <= kLastBin; ++i) {
        const double d = static_cast<float>(i - mean);  // single precision on purpose
        const double q = d * d / (mean + mean);
        const double g = std::exp(-q) / s;
        const bool failed = !std::isfinite(q) || s == 0 || !std::isfinite(g);
        values[static_cast<std::size_t>(i)] = failed ? std::nan("") : halfUp(N * g);
    }
    return values;
}

bool gaussBinFails(double bin, double totalBefore)
{
    return std::isnan(bin) || bin > kLargestCount || totalBefore + bin > kLargestCount;
}

float LOI_POISSON(std::int32_t S1_L, std::int32_t SN_L, LawArrays& laws)
{
    const float MOY_S = seriesMean(S1_L, SN_L);
    const LawValues values = poissonValues(MOY_S, SN_L);
    // A Poisson bin never exceeds N; only the total, which the rounding of
    // the bins can carry up to 121 past N, could pass 32 bits, within 121
    // counts of the limit. It is held at the limit there.
    double total = 0;
    for (int i = 0; i <= kLastBin; ++i) {
        const double bin = values[static_cast<std::size_t>(i)];
        total += bin;
        laws.HISTO_POIS[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(bin);
        laws.CUMUL_POIS[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(std::fmin(total, kLargestCount));
    }
    return MOY_S;
}

// A failed Gauss bin is 0 and takes no part in the total. Past the mean, a
// failure ends the law: every later bin is 0 and the total stays flat;
// before it, the next bin is tried.
float LOI_GAUSS(std::int32_t S1_L, std::int32_t SN_L, LawArrays& laws)
{
    const float MOY_S = seriesMean(S1_L, SN_L);
    const LawValues values = gaussValues(MOY_S, SN_L);
    double total = 0;
    for (int i = 0; i <= kLastBin; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const bool failed = gaussBinFails(values[at], total);
        if (!failed)
            total += values[at];
        laws.HISTO_GAUSS[at] = failed ? 0 : static_cast<std::int32_t>(values[at]);
        laws.CUMUL_GAUSS[at] = static_cast<std::int32_t>(total);
        if (failed && static_cast<float>(i) > MOY_S) {
            for (std::size_t j = at + 1; j <= kLastBin; ++j) {
                laws.HISTO_GAUSS[j] = 0;
                laws.CUMUL_GAUSS[j] = static_cast<std::int32_t>(total);
            }
            break;
        }
    }
    return MOY_S;
}

}  // namespace kolven
