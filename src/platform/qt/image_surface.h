#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>

#include <vector>

#include "platform/pixels.h"
#include "platform/surface.h"

namespace kolven::platform::qt {

class TextMetrics;

using platform::toPixels;

inline QRect toPixels(const Rect& r)
{
    const int left = toPixels(r.left), top = toPixels(r.top);
    return QRect(left, top, toPixels(r.right()) - left, toPixels(r.bottom()) - top);
}

// The window's stored drawing, kept at the device pixel ratio. Screen-only
// drawing lies over it: blocks (the highlighted bars) as a list of
// rectangles and colours, anything else in a transparent overlay image.
// Persistent drawing takes screen-only drawing away where it lands, as
// repainting that part of the window from the stored image would. Every
// operation widens a dirty rectangle, which the window takes at display
// rate: nothing here repaints.
class ImageSurface final : public Surface {
public:
    ImageSurface(QSize logicalSize, qreal devicePixelRatio, QColor background, const TextMetrics& metrics);

    void clear() override;
    void line(int x1, int y1, int x2, int y2, Color color) override;
    void fillBlock(int x1, int x2, int y1, int y2, Color color) override;
    void point(int x, int y, Color color) override;
    void text(int x, int y, const std::string& text, Color color, const Font& font) override;
    void setPersistent(bool persistent) override { m_persistent = persistent; }

    // The part drawn since the last call, in logical pixels: one rectangle
    // round the stored drawing, and each screen-only drawing apart, since a
    // highlight lights bars far from one another (one in each panel of a
    // comparison) and the rectangle round them would hold most of the plot.
    QRegion takeDirty();
    // The stored image and the screen-only overlay (null while nothing but
    // blocks is drawn screen-only), ready to be read: this ends the painters
    // kept open between operations, since a plot frame is hundreds of lines
    // and beginning a painter for each would cost more than the line.
    const QImage& image();
    const QImage* overlay();
    // Where the overlay image may hold drawing.
    const QRegion& overlayArea() const { return m_overlayArea; }

    // A screen-only block: painted as a plain fill over the stored image,
    // later blocks over earlier ones. Lighting a bar then writes no pixel.
    struct Block {
        QRect rect;
        QColor color;
    };
    const std::vector<Block>& screenBlocks() const { return m_screenBlocks; }
    bool hasScreenOnlyDrawing() const { return m_overlayUsed || !m_screenBlocks.empty(); }

private:
    QPainter& painterFor(const QRect& drawn);
    void fill(const QRect& block, Color color);
    void prepareOverlay();
    void writePixels(const QRect& block, Color color);
    void clearScreenOnly(const QRect& rect);
    void addScreenBlock(const QRect& block, Color color);

    const TextMetrics& m_metrics;
    QSize m_logicalSize;
    QColor m_background;
    QImage m_image;
    QImage m_overlay;
    QPainter m_imagePainter;
    QPainter m_overlayPainter;
    bool m_persistent = true;
    bool m_overlayUsed = false;
    // Where the overlay may hold screen-only drawing. Persistent drawing
    // elsewhere takes the direct path, so that a bar highlighted once does
    // not slow every later bar of a run.
    QRegion m_overlayArea;
    QRect m_dirty;
    QRegion m_overlayDirty;
    std::vector<Block> m_screenBlocks;
    // Blocks filled in one colour and not drawn over since.
    struct Filled {
        QRect rect;
        Color color;
    };
    std::vector<Filled> m_filled;
};

}  // namespace kolven::platform::qt
