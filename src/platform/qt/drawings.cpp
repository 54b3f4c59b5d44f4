#include "platform/qt/drawings.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <type_traits>

#include "platform/qt/fonts.h"
#include "platform/qt/qt_values.h"

namespace kolven::platform::qt {

namespace {

constexpr std::size_t kMaxCachedPictures = 64;

QPointF toQPoint(Point p)
{
    return QPointF(p.x, p.y);
}

QRectF toQRect(const Box& b)
{
    return QRectF(b.left, b.top, b.width, b.height);
}

QPolygonF toQPolygon(const std::vector<Point>& points)
{
    QPolygonF polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (Point p : points)
        polygon << toQPoint(p);
    return polygon;
}

void setPen(QPainter& p, const Pen& pen)
{
    if (pen.width <= 0)
        p.setPen(Qt::NoPen);
    else
        p.setPen(QPen(toQColor(pen.color), pen.width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
}

// A font whose em is `pixels` high in the painter's current units; made
// smaller when the text would be wider than `width`.
QFont fittedFont(const QPainter& p, const Text& t, double pixels, double width)
{
    const int dpi = p.device()->logicalDpiY();
    QFont font = qtFont(Font{t.family, pixels * 72.0 / kReferenceDpi, t.bold}, dpi);
    const QString text = QString::fromStdString(t.text);
    const double advance = QFontMetricsF(font, p.device()).horizontalAdvance(text);
    if (width > 0 && advance > width)
        font.setPointSizeF(font.pointSizeF() * width / advance);
    return font;
}

void drawText(QPainter& p, const Text& t, const QRectF& box, const QFont& font)
{
    const QString text = QString::fromStdString(t.text);
    p.setFont(font);
    p.setPen(toQColor(t.color));
    if (t.vertical != VerticalAlignment::Baseline) {
        const Qt::Alignment vertical = t.vertical == VerticalAlignment::Top ? Qt::AlignTop : Qt::AlignVCenter;
        p.drawText(box, toQtAlignment(t.alignment) | vertical | Qt::TextSingleLine, text);
        return;
    }
    const double advance = QFontMetricsF(font, p.device()).horizontalAdvance(text);
    double x = box.left();
    if (t.alignment == Alignment::Center)
        x += (box.width() - advance) / 2;
    else if (t.alignment == Alignment::Right)
        x += box.width() - advance;
    p.drawText(QPointF(x, box.bottom()), text);
}

void paintText(QPainter& p, const Text& t)
{
    if (t.scaling == TextScaling::WithDrawing) {
        drawText(p, t, toQRect(t.box), fittedFont(p, t, t.size, t.box.width));
        return;
    }
    // Upright: laid out in the image's own pixels, at a size taken from the
    // drawing's vertical scale alone.
    const QRectF target = p.transform().mapRect(toQRect(t.box));
    const double pixels = t.size * p.transform().m22();
    p.save();
    p.resetTransform();
    drawText(p, t, target, fittedFont(p, t, pixels, target.width()));
    p.restore();
}

void paintEllipse(QPainter& p, const Ellipse& e)
{
    p.save();
    p.translate(toQPoint(e.centre));
    p.rotate(e.rotation);
    setPen(p, e.outline);
    if (const auto* plain = std::get_if<Color>(&e.fill)) {
        p.setBrush(toQColor(*plain));
    } else if (const auto* radial = std::get_if<RadialFill>(&e.fill)) {
        QRadialGradient gradient(QPointF(0, 0), radial->radius);
        gradient.setColorAt(0, toQColor(radial->centre));
        gradient.setColorAt(1, toQColor(radial->rim));
        p.setBrush(gradient);
    } else {
        p.setBrush(Qt::NoBrush);
    }
    p.drawEllipse(QPointF(0, 0), e.radiusX, e.radiusY);
    p.restore();
}

void paintShape(QPainter& p, const Shape& shape)
{
    std::visit(
        [&p](const auto& s) {
            using T = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<T, FilledPolygon>) {
                p.setPen(Qt::NoPen);
                p.setBrush(toQColor(s.fill));
                p.drawPolygon(toQPolygon(s.points));
            } else if constexpr (std::is_same_v<T, Polyline>) {
                setPen(p, s.pen);
                p.setBrush(Qt::NoBrush);
                if (s.closed)
                    p.drawPolygon(toQPolygon(s.points));
                else
                    p.drawPolyline(toQPolygon(s.points));
            } else if constexpr (std::is_same_v<T, FilledRect>) {
                p.fillRect(toQRect(s.box), toQColor(s.fill));
            } else if constexpr (std::is_same_v<T, Ellipse>) {
                paintEllipse(p, s);
            } else {
                paintText(p, s);
            }
        },
        shape);
}

}  // namespace

void paintDrawing(QPainter& p, const Drawing& drawing, QSizeF size)
{
    if (drawing.width() <= 0 || drawing.height() <= 0)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    double sx = size.width() / drawing.width();
    double sy = size.height() / drawing.height();
    if (drawing.fit() == Fit::KeepAspect) {
        sx = sy = std::min(sx, sy);
        p.translate((size.width() - drawing.width() * sx) / 2, (size.height() - drawing.height() * sy) / 2);
    }
    p.scale(sx, sy);
    for (const Shape& shape : drawing.shapes())
        paintShape(p, shape);
    p.restore();
}

void PictureBook::paint(QPainter& painter, const std::shared_ptr<const Drawing>& picture, const QRect& target)
{
    if (!picture || target.isEmpty())
        return;
    const qreal ratio = painter.device()->devicePixelRatio();
    const Key key{picture, target.width(), target.height(), ratio};
    auto found = m_images.find(key);
    if (found == m_images.end()) {
        if (m_images.size() >= kMaxCachedPictures)
            m_images.clear();
        QImage image = referenceImage(target.size(), QImage::Format_ARGB32_Premultiplied, ratio);
        image.fill(Qt::transparent);
        QPainter p(&image);
        paintDrawing(p, *picture, target.size());
        p.end();
        found = m_images.emplace(key, std::move(image)).first;
    }
    painter.drawImage(target.topLeft(), found->second);
}

}  // namespace kolven::platform::qt
