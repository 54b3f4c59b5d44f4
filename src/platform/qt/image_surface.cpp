#include "platform/qt/image_surface.h"

#include <QtMath>

#include <algorithm>
#include <utility>

#include "platform/qt/fonts.h"
#include "platform/qt/opaque_fill.h"
#include "platform/qt/qt_values.h"

namespace kolven::platform::qt {

namespace {

// Blocks remembered as filled: a plot shows at most 241 bars.
constexpr std::size_t kMaxFilled = 256;

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

QRegion ImageSurface::takeDirty()
{
    QRegion dirty = std::exchange(m_overlayDirty, QRegion());
    dirty += std::exchange(m_dirty, QRect());
    return dirty;
}

// Persistent drawing over screen-only drawing takes it away there: the
// blocks give way to their parts outside `rect`, in their order, and the
// overlay image is cleared.
void ImageSurface::clearScreenOnly(const QRect& rect)
{
    for (std::size_t i = 0; i < m_screenBlocks.size();) {
        const Block block = m_screenBlocks[i];
        if (!block.rect.intersects(rect)) {
            ++i;
            continue;
        }
        m_overlayDirty += block.rect & rect;
        m_screenBlocks.erase(m_screenBlocks.begin() + static_cast<std::ptrdiff_t>(i));
        for (const QRect& rest : QRegion(block.rect) - rect)
            m_screenBlocks.insert(m_screenBlocks.begin() + static_cast<std::ptrdiff_t>(i++), {rest, block.color});
    }
    if (!m_overlayUsed || !m_overlayArea.intersects(rect))
        return;
    if (!m_overlayPainter.isActive())
        m_overlayPainter.begin(&m_overlay);
    m_overlayPainter.setCompositionMode(QPainter::CompositionMode_Clear);
    m_overlayPainter.fillRect(rect, Qt::transparent);
    m_overlayDirty += m_overlayArea & rect;
    m_overlayArea -= rect;
    m_overlayUsed = !m_overlayArea.isEmpty();
}

// A block drawn again over itself, as a bar lit again, replaces the blocks
// it covers. A bar put out in the colour the stored image holds for it is
// kept as nothing: after a sweep of the pointer the list holds the lit bars
// alone, and a run that draws its bars under it finds next to nothing to
// take away at each count.
void ImageSurface::addScreenBlock(const QRect& block, Color color)
{
    std::erase_if(m_screenBlocks, [&](const Block& b) { return block.contains(b.rect); });
    m_overlayDirty += block;
    const bool stored = std::any_of(m_filled.begin(), m_filled.end(),
                                    [&](const Filled& f) { return f.rect == block && f.color == color; });
    if (!stored)
        m_screenBlocks.push_back({block, toQColor(color)});
}

QPainter& ImageSurface::painterFor(const QRect& drawn)
{
    std::erase_if(m_filled, [&](const Filled& f) { return f.rect.intersects(drawn); });
    if (m_persistent) {
        m_dirty |= drawn;
        clearScreenOnly(drawn);
        if (!m_imagePainter.isActive())
            m_imagePainter.begin(&m_image);
        return m_imagePainter;
    }
    prepareOverlay();
    m_overlayUsed = true;
    m_overlayArea += drawn;
    m_overlayDirty += drawn;
    if (!m_overlayPainter.isActive())
        m_overlayPainter.begin(&m_overlay);
    m_overlayPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    return m_overlayPainter;
}

void ImageSurface::prepareOverlay()
{
    if (m_overlay.isNull()) {
        m_overlay = referenceImage(m_logicalSize, QImage::Format_ARGB32_Premultiplied, m_image.devicePixelRatio());
        m_overlay.fill(Qt::transparent);
    }
}

void ImageSurface::clear()
{
    image();
    m_filled.clear();
    m_image.fill(m_background);
    m_screenBlocks.clear();
    if (m_overlayUsed) {
        overlay();
        m_overlay.fill(Qt::transparent);
        m_overlayUsed = false;
    }
    m_overlayArea = QRegion();
    m_overlayDirty = QRegion();
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
    fill(QRect(left, top, right - left + 1, bottom - top + 1), color);
}

void ImageSurface::point(int x, int y, Color color)
{
    fill(QRect(toPixels(x), toPixels(y), 1, 1), color);
}

void ImageSurface::fill(const QRect& block, Color color)
{
    if (!m_persistent) {
        // A highlighted bar, lit and put out at every pointer move into
        // another bin.
        addScreenBlock(block, color);
        return;
    }
    clearScreenOnly(block);
    // A run draws the bar of the counted bin again at every count, nearly
    // always over itself: only the part that grew is written, straight into
    // the image's rows.
    QRect fresh = block;
    const auto same = std::find_if(m_filled.begin(), m_filled.end(), [&](const Filled& f) {
        return f.color == color && f.rect.left() == block.left() && f.rect.right() == block.right() &&
               f.rect.bottom() == block.bottom();
    });
    if (same != m_filled.end()) {
        if (block.top() >= same->rect.top())
            return;
        fresh.setBottom(same->rect.top() - 1);
        same->rect.setTop(block.top());
    } else {
        std::erase_if(m_filled, [&](const Filled& f) { return f.rect.intersects(block); });
        if (m_filled.size() >= kMaxFilled)
            m_filled.clear();
        m_filled.push_back({block, color});
    }
    m_dirty |= fresh;
    writePixels(fresh, color);
}

void ImageSurface::writePixels(const QRect& block, Color color)
{
    if (m_imagePainter.isActive())
        m_imagePainter.end();
    const qreal ratio = m_image.devicePixelRatio();
    const QRect device = QRect(QPoint(qFloor(block.left() * ratio), qFloor(block.top() * ratio)),
                               QPoint(qCeil((block.right() + 1) * ratio) - 1, qCeil((block.bottom() + 1) * ratio) - 1)) &
                         m_image.rect();
    if (!device.isEmpty())
        fillOpaque(m_image.bits(), m_image.bytesPerLine(), device, qRgb(color.r, color.g, color.b));
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
