#include "display/full_scale_count.h"

#include <cmath>

namespace kolven {

int fullScaleCount(std::int32_t plotHeight, float scale)
{
    // The base scale is recognised by its value: whoever sets it computes it
    // with baseScale, and the same single-precision division gives the same bits.
    if (scale == baseScale(plotHeight))
        return 30;
    return static_cast<int>(std::trunc(static_cast<double>(plotHeight) / static_cast<double>(scale)));
}

float baseScale(std::int32_t plotHeight)
{
    return static_cast<float>(plotHeight) / 30.0f;
}

}  // namespace kolven
