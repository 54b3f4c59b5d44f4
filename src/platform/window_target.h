#pragma once

#include <vector>

#include "platform/control.h"

namespace kolven::platform {

// What the canvas needs of the window it shows: its controls to paint and
// the entry points of its events. The window itself stands above this
// library, so it is reached through this interface.
class WindowTarget {
public:
    virtual ~WindowTarget() = default;
    virtual const std::vector<Control*>& controls() const = 0;
    virtual Control* controlAt(int x, int y) const = 0;
    virtual void pointerMoved(int x, int y) = 0;
    virtual void pointerPressed(int x, int y) = 0;
    virtual void pointerReleased(int x, int y) = 0;
    virtual bool closeRequested() = 0;
    virtual bool endRequested() const = 0;
    // The canvas is about to look at the controls to paint them.
    virtual void beforeFrame() = 0;
};

template <typename Window>
class WindowTargetFor final : public WindowTarget {
public:
    explicit WindowTargetFor(Window& window) : m_window(window) {}
    const std::vector<Control*>& controls() const override { return m_window.controls(); }
    Control* controlAt(int x, int y) const override { return m_window.controlAt(x, y); }
    void pointerMoved(int x, int y) override { m_window.pointerMoved(x, y); }
    void pointerPressed(int x, int y) override { m_window.pointerPressed(x, y); }
    void pointerReleased(int x, int y) override { m_window.pointerReleased(x, y); }
    bool closeRequested() override { return m_window.closeRequested(); }
    bool endRequested() const override { return m_window.endRequested(); }
    void beforeFrame() override { m_window.beforeFrame(); }

private:
    Window& m_window;
};

}  // namespace kolven::platform
