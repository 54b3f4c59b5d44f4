#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

#include "platform/control.h"
#include "platform/qt/fonts.h"

namespace kolven::platform::qt {

// Disabled text is grey; a label's is engraved with a white copy beneath.
inline const QColor kDisabledText(128, 128, 128);

// A label as the window shows it, on the screen and in a picture of the plot:
// its background, then its caption from the top, going on to further lines
// only when it is wider than the label.
void drawLabel(QPainter& painter, const Control& control, const QRect& rect, int dpi,
               const TextMetrics& metrics);

}  // namespace kolven::platform::qt
