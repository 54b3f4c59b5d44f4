#include "platform/qt/label_drawing.h"

#include <QString>

#include "platform/qt/qt_values.h"

namespace kolven::platform::qt {

namespace {

const QColor kDisabledShadow(255, 255, 255);

}  // namespace

void drawLabel(QPainter& p, const Control& c, const QRect& r, int dpi, const TextMetrics& metrics)
{
    p.fillRect(r, toQColor(c.back()));
    if (c.caption().empty())
        return;
    const QString text = QString::fromStdString(c.caption());
    int flags = toQtAlignment(c.alignment()) | Qt::AlignTop;
    // A caption wider than its label goes on to further lines at word breaks;
    // one that fits (an automatically sized label, always) stays on one line
    // even where the painter's rounding differs from the measurement's.
    if (metrics.advance(c.font(), c.caption()) > r.width() + 0.5)
        flags |= Qt::TextWordWrap;
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    p.setFont(qtFont(c.font(), dpi));
    if (!c.enabled()) {
        p.setPen(kDisabledShadow);
        p.drawText(r.translated(1, 1), flags, text);
        p.setPen(kDisabledText);
    } else {
        p.setPen(toQColor(c.fore()));
    }
    p.drawText(r, flags, text);
    p.restore();
}

}  // namespace kolven::platform::qt
