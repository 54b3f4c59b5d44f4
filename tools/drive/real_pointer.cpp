#include "real_pointer.h"

#include <QWindow>
#include <QtTest/QTest>

#include "aim.h"

namespace kolven::drive {

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
    const Pixel p = aimAt(control);
    return QPoint(p.x, p.y);
}

void RealPointer::send(QPoint pixel, QEvent::Type type, Qt::MouseButton button)
{
    sendRealPointer(m_window, pixel, type, button);
    if (m_afterEach)
        m_afterEach();
}

}  // namespace kolven::drive
