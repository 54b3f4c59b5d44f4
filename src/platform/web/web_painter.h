#pragma once

#include "platform/control.h"
#include "platform/drawing.h"

namespace kolven::platform::web {

// Paints the window's controls onto the page's canvas, over the stored
// drawing, as the desktop's canvas paints them.
void paintControl(const Control& control);

// Paints a drawing onto `width` × `height` pixels of a context, from its origin.
void paintDrawing(int context, const Drawing& drawing, double width, double height);

}  // namespace kolven::platform::web
