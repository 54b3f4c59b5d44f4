#pragma once

#include <QEvent>
#include <QPoint>

class QWindow;

namespace kolven::drive {

// One pointer event delivered to the window as the window system delivers
// it, through Qt's pointer entry, the way QTest does (QTest's own helpers
// take the point (0, 0) for "the middle of the window", so they are not
// used). Two releases are never taken for a double click.
void sendRealPointer(QWindow* window, QPoint pixel, QEvent::Type type, Qt::MouseButton button);

}  // namespace kolven::drive
