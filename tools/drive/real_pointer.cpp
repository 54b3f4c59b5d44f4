#include "real_pointer.h"

#include <QWindow>
#include <QtTest/QTest>

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

}  // namespace kolven::drive
