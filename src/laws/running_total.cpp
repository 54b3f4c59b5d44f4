#include "laws/running_total.h"

#include <cstddef>

namespace kolven {

// The series' counts total SN_L, which is held in 32 bits, so no entry can
// pass 32 bits either.
Histogram runningTotal(const Histogram& histogram)
{
    Histogram total{};
    total[0] = histogram[0];
    for (std::size_t i = 1; i <= kLastBin; ++i)
        total[i] = total[i - 1] + histogram[i];
    return total;
}

}  // namespace kolven
