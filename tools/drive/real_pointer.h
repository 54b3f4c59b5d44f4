#pragma once

#include <QEvent>
#include <QPoint>

#include <functional>

class QWindow;

namespace kolven::platform {
class Control;
}

namespace kolven::drive {

// One pointer event delivered to the window as the window system delivers
// it, through Qt's pointer entry, the way QTest does (QTest's own helpers
// take the point (0, 0) for "the middle of the window", so they are not
// used). Two releases are never taken for a double click.
void sendRealPointer(QWindow* window, QPoint pixel, QEvent::Type type, Qt::MouseButton button);

// The pixel a pointer aims at to hit a control: the middle of the pixels
// whose first twip lies inside it.
QPoint middleOf(const platform::Control& control);

// A pointer over one window: moves and the two halves of a left click, each
// sent as a real event; `afterEach` runs after every event (the driver lets
// the event loop deliver what the event posted).
class RealPointer {
public:
    explicit RealPointer(QWindow* window = nullptr, std::function<void()> afterEach = {})
        : m_window(window), m_afterEach(std::move(afterEach))
    {
    }
    void setWindow(QWindow* window) { m_window = window; }

    void moveTo(QPoint pixel) { send(pixel, QEvent::MouseMove, Qt::NoButton); }
    void press(QPoint pixel) { send(pixel, QEvent::MouseButtonPress, Qt::LeftButton); }
    void release(QPoint pixel) { send(pixel, QEvent::MouseButtonRelease, Qt::LeftButton); }

private:
    void send(QPoint pixel, QEvent::Type type, Qt::MouseButton button);

    QWindow* m_window;
    std::function<void()> m_afterEach;
};

}  // namespace kolven::drive
