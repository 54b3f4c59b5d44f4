#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/window_target.h"
#include "platform/window_system.h"

class QWidget;

namespace kolven::platform::qt {

class Canvas;
class ImageSurface;
class TextMetrics;

// The window system on Qt: one full-screen widget, text measured at 96 dpi,
// a surface kept in an image, and a yield that handles pending events at
// every call but repaints only at display rate.
class QtWindowSystem final : public WindowSystem {
public:
    struct Options {
        // A screen of this many pixels instead of the real one (0: the real one).
        int screenWidth = 0;
        int screenHeight = 0;
        // The locale whose decimal separator the read-outs use; empty: the user's.
        std::string locale;
    };

    // Needs the QApplication to exist.
    explicit QtWindowSystem(Options options);
    QtWindowSystem() : QtWindowSystem(Options{}) {}
    ~QtWindowSystem() override;

    Size measure(const Font& font, const std::string& text) const override;
    int screenWidthPixels() const override { return m_screenWidth; }
    int screenHeightPixels() const override { return m_screenHeight; }
    Surface& surface() override;
    void yield() override;
    void endProgram() override;
    void setArrowCursor() override;
    char decimalSeparator() const override { return m_decimalSeparator; }
    std::optional<std::string> picture(const PictureRequest& request,
                                       const std::function<void(PictureSurface&)>& draw) override;

    // The window shown, once it exists; the window system then sends it its
    // events.
    template <typename Window>
    void attach(Window& window)
    {
        attachTarget(std::make_unique<WindowTargetFor<Window>>(window));
    }
    void attachTarget(std::unique_ptr<WindowTarget> target);
    // Full screen on the real screen; at exactly the given size otherwise.
    void showWindow();
    // Marks for repainting everything changed so far (the next pass of the
    // event loop paints it).
    void flush();
    QWidget& widget();
    // The program has ended: the window asked for it or agreed to close.
    bool ended() const { return m_ended; }
    // Called at the start of each yield with its number, counted from 1 since
    // the window system was made.
    void setYieldHook(std::function<void(int yieldNumber)> hook) { m_yieldHook = std::move(hook); }
    int yieldCount() const { return m_yields; }

private:
    void afterDispatch();
    void end();

    bool m_forcedScreen = false;
    int m_screenWidth = 0;
    int m_screenHeight = 0;
    char m_decimalSeparator = '.';
    std::unique_ptr<TextMetrics> m_metrics;
    std::unique_ptr<ImageSurface> m_surface;
    std::unique_ptr<Canvas> m_canvas;
    std::unique_ptr<WindowTarget> m_target;
    std::function<void(int)> m_yieldHook;
    int m_yields = 0;
    double m_nextFlush = 0;
    double m_nextEvents = 0;
    bool m_endAsked = false;
    bool m_ended = false;
};

}  // namespace kolven::platform::qt
