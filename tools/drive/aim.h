#pragma once

#include "platform/control.h"
#include "platform/pixels.h"

namespace kolven::drive {

struct Pixel {
    int x = 0, y = 0;
};

// The middle of the pixels whose first twip lies inside [from, to).
inline int middlePixel(int from, int to)
{
    using platform::toPixels;
    const int first = toPixels(from + platform::kTwipsPerPixel - 1);
    const int last = toPixels(to - 1);
    return last >= first ? (first + last) / 2 : toPixels(from);
}

// The pixel a pointer aims at to hit a control: the middle of the pixels
// whose first twip lies inside it.
inline Pixel aimAt(const platform::Control& control)
{
    const platform::Rect r = control.windowRect();
    return {middlePixel(r.left, r.right()), middlePixel(r.top, r.bottom())};
}

// The pixel a pointer aims at to choose entry `entry` of a list: the
// list's middle across, the entry's middle down.
inline Pixel aimAtEntry(const platform::Control& list, int entry)
{
    const platform::Rect r = list.windowRect();
    const int y = r.top + platform::kListFrame / 2 + (2 * entry + 1) * list.itemHeight() / 2;
    return {aimAt(list).x, platform::toPixels(y)};
}

}  // namespace kolven::drive
