#pragma once

#include <string>

#include "core/histogram.h"
#include "laws/poisson_gauss.h"

namespace kolven {

// The histograms of the two laws (LawArrays), and what the analysis adds:
// the running total of the series' own histogram and the series' title,
// kept while the comparison shows its own.
struct LawsState : LawArrays {
    Histogram CUMUL_COMPT{};
    std::string TITRE_T;
};

}  // namespace kolven
