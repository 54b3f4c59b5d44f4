#include "real_pointer.h"

#include <QWindow>
#include <QtTest/QTest>

#include "platform/control.h"
#include "platform/qt/image_surface.h"

namespace kolven::drive {

namespace {

// The middle of the pixels whose first twip lies inside [from, to).
int middlePixel(int from, int to)
{
    const int first = platform::qt::toPixels(from + platform::kTwipsPerPixel - 1);
    const int last = platform::qt::toPixels(to - 1);
    return last >= first ? (first + last) / 2 : platform::qt::toPixels(from);
}

}  // namespace

void sendRealPointer(QWindow* window, QPoint pixel, QEvent::Type type, Qt::MouseButton button)
{
    QTest::lastMouseTimestamp += 1;
    if (type == QEvent::MouseButtonPress)
        QTestPrivate::qtestMouseButtons.setFlag(button, true);
    if (type == QEvent::MouseButtonRelease)
        QTestPrivate::qtestMouseButtons.setFlag(button, false);
    qt_handleMouseEvent(window, pixel, window->mapToGlobal(pixel), QTestPrivate::qtestMouseButtons, button, type,
                        Qt::NoModifier, QTest::lastMouseTimestamp);
    if (type == QEvent::MouseButtonRelease)
        QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval;
}

QPoint middleOf(const platform::Control& control)
{
    const platform::Rect r = control.windowRect();
    return QPoint(middlePixel(r.left, r.right()), middlePixel(r.top, r.bottom()));
}

void RealPointer::send(QPoint pixel, QEvent::Type type, Qt::MouseButton button)
{
    sendRealPointer(m_window, pixel, type, button);
    if (m_afterEach)
        m_afterEach();
}

}  // namespace kolven::drive
