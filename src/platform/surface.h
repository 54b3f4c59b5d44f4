#pragma once

#include <string>

#include "platform/color.h"
#include "platform/geometry.h"

namespace kolven::platform {

// The window's drawing surface, under its controls. Coordinates in twips.
// Persistent drawing goes into the window's stored image; screen-only drawing
// shows until the next repaint from that image.
class Surface {
public:
    virtual ~Surface() = default;
    virtual void clear() = 0;
    virtual void line(int x1, int y1, int x2, int y2, Color color) = 0;
    // The block covered by the vertical lines x = x1 … x2 (one twip apart),
    // each from y1 to y2: how a bar is drawn in one call.
    virtual void fillBlock(int x1, int x2, int y1, int y2, Color color) = 0;
    virtual void point(int x, int y, Color color) = 0;
    // Text with its top-left corner at x, y.
    virtual void text(int x, int y, const std::string& text, Color color, const Font& font) = 0;
    virtual void setPersistent(bool persistent) = 0;
};

}  // namespace kolven::platform
