#include "platform/qt/image_surface.h"

#include <algorithm>
#include <utility>

#include "platform/qt/fonts.h"

namespace kolven::platform::qt {

namespace {

QColor toQColor(Color c)
{
    return QColor(c.r, c.g, c.b);
}

}  // namespace

ImageSurface::ImageSurface(QSize logicalSize, qreal devicePixelRatio, QColor background, const TextMetrics& metrics)
    : m_metrics(metrics),
      m_logicalSize(logicalSize),
      m_background(background),
      m_image(referenceImage(logicalSize, QImage::Format_RGB32, devicePixelRatio))
{
    m_image.fill(m_background);
    m_dirty = QRect(QPoint(0, 0), logicalSize);
}

ImageSurface::~ImageSurface()
{
    image();
}

const QImage& ImageSurface::image()
{
    if (m_imagePainter.isActive())
        m_imagePainter.end();
    return m_image;
}

const QImage* ImageSurface::overlay()
{
    if (m_overlayPainter.isActive())
        m_overlayPainter.end();
    return m_overlayUsed ? &m_overlay : nullptr;
}

QRect ImageSurface::takeDirty()
{
    return std::exchange(m_dirty, QRect());
}

QPainter& ImageSurface::painterFor(const QRect& drawn)
{
    m_dirty |= drawn;
    if (m_persistent) {
        if (m_overlayUsed) {
            if (!m_overlayPainter.isActive())
                m_overlayPainter.begin(&m_overlay);
            m_overlayPainter.setCompositionMode(QPainter::CompositionMode_Clear);
            m_overlayPainter.fillRect(drawn, Qt::transparent);
        }
        if (!m_imagePainter.isActive())
            m_imagePainter.begin(&m_image);
        return m_imagePainter;
    }
    if (m_overlay.isNull()) {
        m_overlay = referenceImage(m_logicalSize, QImage::Format_ARGB32_Premultiplied, m_image.devicePixelRatio());
        m_overlay.fill(Qt::transparent);
    }
    m_overlayUsed = true;
    if (!m_overlayPainter.isActive())
        m_overlayPainter.begin(&m_overlay);
    m_overlayPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    return m_overlayPainter;
}

void ImageSurface::clear()
{
    image();
    m_image.fill(m_background);
    if (m_overlayUsed) {
        overlay();
        m_overlay.fill(Qt::transparent);
        m_overlayUsed = false;
    }
    m_dirty = QRect(QPoint(0, 0), m_logicalSize);
}

void ImageSurface::line(int x1, int y1, int x2, int y2, Color color)
{
    const QPoint a(toPixels(x1), toPixels(y1));
    const QPoint b(toPixels(x2), toPixels(y2));
    QPainter& p = painterFor(QRect(a, b).normalized().adjusted(-1, -1, 1, 1));
    p.setPen(QPen(toQColor(color), 1));
    p.drawLine(a, b);
}

void ImageSurface::fillBlock(int x1, int x2, int y1, int y2, Color color)
{
    // Every twip column x1 … x2 and every twip row y1 … y2 is drawn, so the
    // block covers each pixel that holds one of them.
    const int left = toPixels(std::min(x1, x2)), right = toPixels(std::max(x1, x2));
    const int top = toPixels(std::min(y1, y2)), bottom = toPixels(std::max(y1, y2));
    const QRect block(left, top, right - left + 1, bottom - top + 1);
    painterFor(block).fillRect(block, toQColor(color));
}

void ImageSurface::point(int x, int y, Color color)
{
    const QRect pixel(toPixels(x), toPixels(y), 1, 1);
    painterFor(pixel).fillRect(pixel, toQColor(color));
}

void ImageSurface::text(int x, int y, const std::string& text, Color color, const Font& font)
{
    const Size size = m_metrics.measure(font, text);
    const QPoint topLeft(toPixels(x), toPixels(y));
    // One pixel more on each side for the antialiased edges of the glyphs.
    const QRect box = QRect(topLeft, QSize(toPixels(size.width), toPixels(size.height))).adjusted(-1, -1, 1, 1);
    QPainter& p = painterFor(box);
    p.setFont(qtFont(font, p.device()->logicalDpiY()));
    p.setPen(toQColor(color));
    p.drawText(QRectF(topLeft, QSizeF(1e4, 1e4)), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
               QString::fromStdString(text));
}

}  // namespace kolven::platform::qt
