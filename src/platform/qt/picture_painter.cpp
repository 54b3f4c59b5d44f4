#include "platform/qt/picture_painter.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

#include "platform/qt/drawings.h"
#include "platform/qt/fonts.h"
#include "platform/qt/image_surface.h"
#include "platform/qt/label_drawing.h"
#include "platform/qt/qt_values.h"

namespace kolven::platform::qt {

namespace {

constexpr double kInchesPerMetre = 1 / 0.0254;

// Draws in the screen's pixels, placed as the screen places them (a twip
// goes to the pixel that holds it), so that the picture is the screen's
// drawing, only finer: the painter's scale does the rest. Every call paints
// at once: a picture is drawn once.
class PainterSurface final : public PictureSurface {
public:
    PainterSurface(QPainter& painter, const Rect& area, const TextMetrics& metrics)
        : m_painter(painter), m_origin(toPixels(area.left), toPixels(area.top)), m_metrics(metrics)
    {
    }

    void clear() override {}
    void setPersistent(bool) override {}

    void line(int x1, int y1, int x2, int y2, Color color) override
    {
        const QPoint a = at(x1, y1), b = at(x2, y2);
        // The screen's one-pixel lines are all across or upright: each is
        // the row or column of pixels it covers.
        if (a.x() == b.x() || a.y() == b.y()) {
            m_painter.fillRect(QRect(a, b).normalized(), toQColor(color));
            return;
        }
        m_painter.setPen(QPen(toQColor(color), 1, Qt::SolidLine, Qt::SquareCap));
        m_painter.drawLine(QPointF(a) + QPointF(0.5, 0.5), QPointF(b) + QPointF(0.5, 0.5));
    }

    void fillBlock(int x1, int x2, int y1, int y2, Color color) override
    {
        m_painter.fillRect(QRect(at(std::min(x1, x2), std::min(y1, y2)), at(std::max(x1, x2), std::max(y1, y2))),
                           toQColor(color));
    }

    void point(int x, int y, Color color) override { m_painter.fillRect(QRect(at(x, y), QSize(1, 1)), toQColor(color)); }

    void text(int x, int y, const std::string& text, Color color, const Font& font) override
    {
        m_painter.setFont(qtFont(font, m_painter.device()->logicalDpiY()));
        m_painter.setPen(toQColor(color));
        m_painter.drawText(QRectF(at(x, y), QSizeF(1e4, 1e4)), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                           QString::fromStdString(text));
    }

    void control(const Control& c) override
    {
        const QRect r = toPixels(c.windowRect()).translated(-m_origin);
        if (r.isEmpty())
            return;
        switch (c.kind()) {
        case ControlKind::Panel:
            m_painter.fillRect(r, toQColor(c.back()));
            break;
        case ControlKind::Picture:
            if (c.picture()) {
                m_painter.save();
                m_painter.translate(r.topLeft());
                paintDrawing(m_painter, *c.picture(), r.size());
                m_painter.restore();
            }
            break;
        case ControlKind::Label:
            label(c, r);
            break;
        case ControlKind::List:
            break;  // a list is a menu, never part of a picture
        }
    }

private:
    QPoint at(int x, int y) const { return QPoint(toPixels(x), toPixels(y)) - m_origin; }

    void label(const Control& c, const QRect& r)
    {
        drawLabel(m_painter, c, r, m_painter.device()->logicalDpiY(), m_metrics);
    }

    QPainter& m_painter;
    QPoint m_origin;
    const TextMetrics& m_metrics;
};

void paintOn(QPainter& painter, const QSize& size, const PictureRequest& request,
             const std::function<void(PictureSurface&)>& draw, const TextMetrics& metrics)
{
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    PainterSurface surface(painter, request.area, metrics);
    draw(surface);
}

}  // namespace

double printScale(int areaWidthPixels)
{
    if (areaWidthPixels <= 0)
        return kLeastPrintScale;
    return std::max(kLeastPrintScale, kPrintDotsPerInch * kPrintWidthInches / areaWidthPixels);
}

std::optional<std::string> paintPicture(const PictureRequest& request,
                                        const std::function<void(PictureSurface&)>& draw,
                                        const TextMetrics& metrics)
{
    const QSize size = toPixels(request.area).size();
    if (size.isEmpty())
        return std::nullopt;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (request.format == PictureFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        // The screen's resolution, so that text has the screen's size.
        svg.setResolution(kReferenceDpi);
        svg.setTitle(QStringLiteral("KOLVEN"));
        QPainter painter;
        if (!painter.begin(&svg))
            return std::nullopt;
        paintOn(painter, size, request, draw, metrics);
        painter.end();
    } else {
        const double scale = printScale(size.width());
        QImage image = referenceImage(QSize(static_cast<int>(std::lround(size.width() * scale)),
                                            static_cast<int>(std::lround(size.height() * scale))),
                                      QImage::Format_RGB32);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.scale(double(image.width()) / size.width(), double(image.height()) / size.height());
        paintOn(painter, size, request, draw, metrics);
        painter.end();
        // Printed at this resolution, the picture spans an A4 page's width
        // (the area of a wide screen a little more finely).
        const int dotsPerMetre =
            static_cast<int>(std::lround(std::max(kPrintDotsPerInch, image.width() / kPrintWidthInches) * kInchesPerMetre));
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        if (!image.save(&buffer, "PNG"))
            return std::nullopt;
    }
    return buffer.data().toStdString();
}

}  // namespace kolven::platform::qt
