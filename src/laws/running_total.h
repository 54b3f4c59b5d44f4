#pragma once

#include "core/histogram.h"

namespace kolven {

// The running total of a histogram from bin 0: entry i is the sum of bins
// 0 … i, for i up to 240; entry 241 is 0. The analysis builds CUMUL_COMPT of
// the series this way, beside the totals the laws keep of their own bins.
Histogram runningTotal(const Histogram& histogram);

}  // namespace kolven
