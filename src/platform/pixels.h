#pragma once

#include "platform/geometry.h"

namespace kolven::platform {

// Twips to pixels, rounding towards minus infinity so that the pixel holding
// twip 0 … 14 is pixel 0 and negative positions stay off the window.
constexpr int toPixels(int twips)
{
    return twips >= 0 ? twips / kTwipsPerPixel : -((-twips + kTwipsPerPixel - 1) / kTwipsPerPixel);
}

}  // namespace kolven::platform
