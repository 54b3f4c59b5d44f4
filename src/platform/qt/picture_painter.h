#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/picture.h"

namespace kolven::platform::qt {

class TextMetrics;

// A picture of part of the window, painted afresh by draw with the painter
// the canvas uses for the screen, on white: a PNG at print resolution, or
// an SVG of lines, rectangles and text. The file's bytes; nothing when Qt
// could not make it.
std::optional<std::string> paintPicture(const PictureRequest& request,
                                        const std::function<void(PictureSurface&)>& draw,
                                        const TextMetrics& metrics);

// The PNG's scale from the screen's pixels, for an area so many pixels wide.
double printScale(int areaWidthPixels);

}  // namespace kolven::platform::qt
