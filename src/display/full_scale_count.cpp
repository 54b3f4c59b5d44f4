#include "display/full_scale_count.h"

#include <cmath>

namespace kolven {

int fullScaleCount(std::int32_t plotHeight, float scale)
{
    // The base scale is recognised by its value, computed as BASE and the
    // erase compute it: the same single-precision division gives the same bits.
    if (scale == static_cast<float>(plotHeight) / 30.0f)
        return 30;
    return static_cast<int>(std::trunc(static_cast<double>(plotHeight) / static_cast<double>(scale)));
}

}  // namespace kolven
