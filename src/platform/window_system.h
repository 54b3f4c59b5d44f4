#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/geometry.h"
#include "platform/picture.h"
#include "platform/surface.h"

namespace kolven::platform {

// The window system as the behaviour sees it: the screen, text measurement,
// the drawing surface, and the yield that lets pending events run.
class WindowSystem : public TextMeasurer {
public:
    virtual int screenWidthPixels() const = 0;
    virtual int screenHeightPixels() const = 0;
    virtual Surface& surface() = 0;
    // A run's count is over: pending events (pointer, close, repaint) may
    // run, at most once a millisecond, and what watches the run is told of
    // every count.
    virtual void yield() = 0;
    // Asks the window system to end the program once the current handler returns.
    virtual void endProgram() = 0;
    virtual void setArrowCursor() = 0;
    // The user's decimal separator for the series read-outs.
    virtual char decimalSeparator() const = 0;
    // A picture of part of the window, drawn afresh by draw on a surface of
    // its own: the bytes of its file, or nothing when this system makes no
    // pictures.
    virtual std::optional<std::string> picture(const PictureRequest& /*request*/,
                                               const std::function<void(PictureSurface&)>& /*draw*/)
    {
        return std::nullopt;
    }
};

}  // namespace kolven::platform
