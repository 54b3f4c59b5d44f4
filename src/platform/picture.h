#pragma once

#include "platform/control.h"
#include "platform/geometry.h"
#include "platform/surface.h"

namespace kolven::platform {

enum class PictureFormat { Png, Svg };

// A picture of part of the window, for a document.
struct PictureRequest {
    Rect area;  // twips of the window
    PictureFormat format = PictureFormat::Png;
};

// The surface a picture is drawn on: the window surface's calls, in the
// window's twips, and the window's controls, drawn as the window shows them.
class PictureSurface : public Surface {
public:
    virtual void control(const Control& control) = 0;
};

// A PNG is made for an A4 page's width at 300 dots per inch, and never at
// less than twice the screen's own pixels.
constexpr double kPrintDotsPerInch = 300;
constexpr double kPrintWidthInches = 210 / 25.4;
constexpr double kLeastPrintScale = 2;

}  // namespace kolven::platform
