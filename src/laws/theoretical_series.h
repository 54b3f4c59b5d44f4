#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/histogram.h"
#include "laws/poisson_gauss.h"

namespace kolven {

// A theoretical series is computed, not counted, from one of the two laws.
enum class Law { Poisson, Gauss };

// The law named by an origin code: "POISSON" or "GAUSS"; none for a counted
// origin.
std::optional<Law> lawOfOrigin(const std::string& DONNEES_T);

// Each choice of a theoretical origin, and each " Comptage(s) " after it,
// asks for this many more counts.
constexpr std::int32_t kCountsPerBuild = 100000;

// The series' values that a theoretical build replaces.
struct TheoreticalSeries {
    Histogram& HISTO_COMPT;
    std::int32_t& SN_L;  // the number of counts asked for in, the number built out
    std::int32_t& S1_L;
    float& MOY_S;
};

// The arithmetic of a theoretical build for the mean TEMPS_I / 10 and SN_L
// counts asked for: MOY_S := TEMPS_I / 10 in single precision; the law named
// by DONNEES_T fills HISTO_COMPT and its own pair of arrays in `laws` (the
// other law's arrays are left alone); SN_L := the total of the bins, which
// differs from what was asked by the rounding of the bins and the part of
// the law beyond 240; S1_L := MOY_S × SN_L, rounded to the nearest, ties to
// even. S2N_D and MAX_L are not touched. Returns false, with only MOY_S
// set, for an origin that names no law. The number asked for must have
// passed anotherBuildFits (100 000 from an empty series always does).
bool HISTO_THEORIQUE(const std::string& DONNEES_T, std::int16_t TEMPS_I, TheoreticalSeries series, LawArrays& laws);

// Whether a build for SN_L + kCountsPerBuild counts keeps the number asked
// for, every bin, every running total, the new SN_L and S1_L within 32 bits.
// A click that would break this must not build.
bool anotherBuildFits(Law law, std::int16_t TEMPS_I, std::int32_t SN_L);

}  // namespace kolven
