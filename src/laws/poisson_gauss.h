#pragma once

#include <array>
#include <cstdint>

#include "core/histogram.h"

namespace kolven {

// The two theoretical histograms and their running totals, bins 0 … 240
// (entry 241 is never written). Each keeps what its law last computed until
// that law is computed again.
struct LawArrays {
    Histogram HISTO_POIS{};
    Histogram CUMUL_POIS{};
    Histogram HISTO_GAUSS{};
    Histogram CUMUL_GAUSS{};
};

// Half-up rounding of a bin value, in place: 0.5 → 1, 2.5 → 3. The fraction
// is compared with a half in double precision, then the value truncated
// toward zero (a negative value is only truncated). Deliberately half up,
// not ties to even like every other rounding in the program: every bin of a
// theoretical histogram is rounded this way, and the bins teachers check
// against theory come out of it.
void ARRONDI(double& VALEUR_D);

// The expected number of counts of each value 0 … 240 for a mean m and N
// counts, each already made whole by ARRONDI; NaN where the arithmetic of
// that bin failed. These are the values before they are stored in 32 bits,
// so a caller can tell whether they fit.
using LawValues = std::array<double, kLastBin + 1>;
LawValues poissonValues(float m, double N);
LawValues gaussValues(float m, double N);

// Whether the Gauss bin `bin`, after the running total `totalBefore` of the
// bins stored so far, fails: its arithmetic had no value (mean 0), or the
// bin or the total after it does not fit in 32 bits.
bool gaussBinFails(double bin, double totalBefore);

// The laws for the series' own mean and number of counts, as the analysis
// asks for them: m = S1_L / SN_L, divided in double and kept in single
// precision, which is returned (the caller's MOY_S). SN_L must not be 0.
float LOI_POISSON(std::int32_t S1_L, std::int32_t SN_L, LawArrays& laws);
float LOI_GAUSS(std::int32_t S1_L, std::int32_t SN_L, LawArrays& laws);

// The mean S1_L / SN_L as the laws take it: a double quotient stored in
// single precision.
float seriesMean(std::int32_t S1_L, std::int32_t SN_L);

}  // namespace kolven
