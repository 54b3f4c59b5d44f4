#pragma once

#include <cstdint>

namespace kolven {

// The count that fills the plot height at a vertical scale of `scale` twips
// per count: the quotient plotHeight / scale, truncated toward zero.
//
// The base scale, plotHeight / 30 held in single precision, makes the
// quotient fall a hair below 30 for about half of all plot heights (3008
// twips gives 29.999999); that scale alone reads 30, as the frame does. Any
// other scale truncates, however close to the next whole number: the first
// automatic rescale from the base scale gives 32.999998 and reads 32.
int fullScaleCount(std::int32_t plotHeight, float scale);

// The base scale: 30 counts fill the plot height, in single precision.
float baseScale(std::int32_t plotHeight);

}  // namespace kolven
