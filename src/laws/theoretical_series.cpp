#include "laws/theoretical_series.h"

#include <cmath>
#include <limits>

#include "core/number_text.h"

namespace kolven {

namespace {

constexpr double kLargestCount = std::numeric_limits<std::int32_t>::max();

// The theoretical mean in tenths becomes a single-precision mean.
float theoreticalMean(std::int16_t TEMPS_I)
{
    return static_cast<float>(TEMPS_I / 10.0);
}

LawValues valuesOf(Law law, float m, double N)
{
    return law == Law::Poisson ? poissonValues(m, N) : gaussValues(m, N);
}

// The Poisson branch: every bin goes into the series and into the Poisson
// pair. The law has no failure for a mean of at least 0, and the caller has
// made sure (anotherBuildFits) that every value fits.
double buildPoisson(const LawValues& values, Histogram& HISTO_COMPT, LawArrays& laws)
{
    double total = 0;
    for (std::size_t i = 0; i <= kLastBin; ++i) {
        total += values[i];
        HISTO_COMPT[i] = laws.HISTO_POIS[i] = static_cast<std::int32_t>(values[i]);
        laws.CUMUL_POIS[i] = static_cast<std::int32_t>(total);
    }
    return total;
}

// The Gauss branch. A bin that fails (mean 0) is 0 in the series
// only and adds nothing to the total; its Gauss entries keep what they held.
// Past the mean a failure ends the law: the rest of the series and of the
// Gauss bins are 0 and the Gauss total stays flat.
double buildGauss(const LawValues& values, float m, Histogram& HISTO_COMPT, LawArrays& laws)
{
    double total = 0;
    for (int i = 0; i <= kLastBin; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (!gaussBinFails(values[at], total)) {
            total += values[at];
            HISTO_COMPT[at] = laws.HISTO_GAUSS[at] = static_cast<std::int32_t>(values[at]);
            laws.CUMUL_GAUSS[at] = static_cast<std::int32_t>(total);
            continue;
        }
        HISTO_COMPT[at] = 0;
        if (static_cast<float>(i) > m) {
            for (std::size_t j = at; j <= kLastBin; ++j) {
                HISTO_COMPT[j] = laws.HISTO_GAUSS[j] = 0;
                laws.CUMUL_GAUSS[j] = static_cast<std::int32_t>(total);
            }
            break;
        }
    }
    return total;
}

}  // namespace

std::optional<Law> lawOfOrigin(const std::string& DONNEES_T)
{
    if (DONNEES_T == "POISSON")
        return Law::Poisson;
    if (DONNEES_T == "GAUSS")
        return Law::Gauss;
    return std::nullopt;
}

bool HISTO_THEORIQUE(const std::string& DONNEES_T, std::int16_t TEMPS_I, TheoreticalSeries series, LawArrays& laws)
{
    series.MOY_S = theoreticalMean(TEMPS_I);
    const std::optional<Law> law = lawOfOrigin(DONNEES_T);
    if (!law)
        return false;
    const LawValues values = valuesOf(*law, series.MOY_S, series.SN_L);
    const double total = *law == Law::Poisson ? buildPoisson(values, series.HISTO_COMPT, laws)
                                              : buildGauss(values, series.MOY_S, series.HISTO_COMPT, laws);
    series.SN_L = static_cast<std::int32_t>(total);
    series.S1_L = static_cast<std::int32_t>(roundEven(static_cast<double>(series.MOY_S) * series.SN_L));
    return true;
}

bool anotherBuildFits(Law law, std::int16_t TEMPS_I, std::int32_t SN_L)
{
    const double asked = static_cast<double>(SN_L) + kCountsPerBuild;
    if (asked > kLargestCount)
        return false;
    const float m = theoreticalMean(TEMPS_I);
    double total = 0;
    for (double bin : valuesOf(law, m, asked))
        if (!std::isnan(bin))
            total += bin;
    // No bin exceeds the total, and every running total is at most the last.
    return total <= kLargestCount && roundEven(static_cast<double>(m) * total) <= kLargestCount;
}

}  // namespace kolven
