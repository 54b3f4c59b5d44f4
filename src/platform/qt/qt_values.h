#pragma once

#include <QColor>
#include <Qt>

#include "platform/color.h"
#include "platform/geometry.h"

namespace kolven::platform::qt {

// The platform's plain values as Qt takes them.
inline QColor toQColor(Color c)
{
    return QColor(c.r, c.g, c.b);
}

inline Qt::Alignment toQtAlignment(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Center:
        return Qt::AlignHCenter;
    case Alignment::Right:
        return Qt::AlignRight;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

}  // namespace kolven::platform::qt
