#include "platform/qt/canvas.h"

#include <QCloseEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/qt/fonts.h"
#include "platform/qt/label_drawing.h"
#include "platform/qt/qt_values.h"
#include "platform/qt/image_surface.h"
#include "platform/qt/label_images.h"
#include "platform/qt/opaque_fill.h"

namespace kolven::platform::qt {

namespace {

struct ScreenRows {
    uchar* bits;
    qsizetype bytesPerLine;
};

const QColor kListFrameColour(128, 128, 128);
const QColor kSelection(0, 0, 128);
const QColor kSelectedText(255, 255, 255);

int toTwips(qreal pixels)
{
    return static_cast<int>(std::floor(pixels)) * kTwipsPerPixel;
}

// The rows of the image the painter draws into, when it maps the widget's
// pixels one for one onto an image of 32-bit words: the backing store, on
// every platform the program knows, at a device pixel ratio of 1. The
// raster engine writes straight into these bytes too, and has no drawing
// of its own pending between two calls.
std::optional<ScreenRows> screenRows(QPainter& p)
{
    QPaintDevice* device = p.paintEngine() ? p.paintEngine()->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image || !p.deviceTransform().isIdentity())
        return std::nullopt;
    const auto* image = static_cast<const QImage*>(device);
    if (!holdsOpaqueWords(*image) || image->devicePixelRatio() != 1)
        return std::nullopt;
    return ScreenRows{const_cast<uchar*>(image->constBits()), image->bytesPerLine()};
}

}  // namespace

Canvas::Canvas(ImageSurface& surface, const TextMetrics& metrics) : m_surface(surface), m_metrics(metrics)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setWindowTitle(QStringLiteral("KOLVEN"));
    setCursor(Qt::ArrowCursor);
}

void Canvas::setTarget(WindowTarget* target)
{
    m_target = target;
    m_shown.clear();
}

void Canvas::catchUp()
{
    if (m_target)
        m_target->beforeFrame();
    QRegion region = m_surface.takeDirty();
    if (m_target) {
        const auto& controls = m_target->controls();
        if (m_shown.size() != controls.size()) {
            m_shown.assign(controls.size(), Snapshot{});
            m_caughtUpWith = 0;
            region = rect();
        }
        if (Control::latestVersion() != m_caughtUpWith) {
            for (std::size_t i = 0; i < controls.size(); ++i)
                catchUp(*controls[i], m_shown[i], region);
            m_caughtUpWith = Control::latestVersion();
        }
    }
    if (!region.isEmpty())
        update(region);
}

// A control moves and hides with the panels that hold it: the newest
// version along its chain of parents tells whether its place may differ.
void Canvas::catchUp(const Control& c, Snapshot& shown, QRegion& region)
{
    std::uint64_t chain = 0;
    for (const Control* p = &c; p; p = p->parent())
        chain = std::max(chain, p->version());
    if (shown.control == &c && shown.chain == chain)
        return;
    const Snapshot now{&c, c.version(), chain, c.windowRect(), c.onScreen()};
    const bool same = shown.control == now.control && shown.version == now.version && shown.rect == now.rect &&
                      shown.onScreen == now.onScreen;
    if (!same && shown.onScreen)
        region += toPixels(shown.rect);
    if (!same && now.onScreen)
        region += toPixels(now.rect);
    shown = now;
}

void Canvas::dispatched()
{
    if (afterDispatch)
        afterDispatch();
}

bool Canvas::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && m_target) {
        auto* help = static_cast<QHelpEvent*>(event);
        const Control* c = m_target->controlAt(toTwips(help->pos().x()), toTwips(help->pos().y()));
        if (c && !c->tooltip().empty()) {
            QToolTip::showText(help->globalPos(), QString::fromStdString(c->tooltip()), this,
                               toPixels(c->windowRect()));
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

void Canvas::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_target)
        return;
    m_target->pointerMoved(toTwips(event->position().x()), toTwips(event->position().y()));
    dispatched();
}

void Canvas::mousePressEvent(QMouseEvent* event)
{
    if (!m_target || event->button() != Qt::LeftButton)
        return;
    m_target->pointerPressed(toTwips(event->position().x()), toTwips(event->position().y()));
    dispatched();
}

void Canvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_target || event->button() != Qt::LeftButton)
        return;
    m_target->pointerReleased(toTwips(event->position().x()), toTwips(event->position().y()));
    dispatched();
}

// Qt sends the second press of a quick double click as a double click and
// not as a press; the window knows no double click, only two clicks.
void Canvas::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void Canvas::closeEvent(QCloseEvent* event)
{
    if (closingForGood || !m_target) {
        event->accept();
        return;
    }
    if (m_target->closeRequested()) {
        closingForGood = true;
        event->accept();
        if (closed)
            closed();
        return;
    }
    event->ignore();
    dispatched();
}

// The stored drawing is blitted one rectangle of the region at a time, each
// the painter's clip: under a clip of several rectangles Qt's raster engine
// blends span by span and hands tall blocks to its thread pool, which costs
// more for the few small rectangles of a pointer move than a rectangular clip
// does for the whole window. Each control is then painted once, clipped to
// its part of the region: a region splits into a rectangle per band of rows,
// and painting a label in every band it crosses laid its text out each time.
void Canvas::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QImage& image = m_surface.image();
    const QImage* overlay = m_surface.overlay();
    const auto& blocks = m_surface.screenBlocks();
    const qreal ratio = image.devicePixelRatio();
    const auto source = [ratio](const QRect& r) {
        return QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio);
    };
    const std::optional<ScreenRows> screen = screenRows(p);
    const QRegion& region = event->region();
    for (const QRect& r : region) {
        p.setClipRect(r);
        // A screen-only block is a plain fill: the stored image is not
        // copied under it, nor is the overlay blended where it is empty.
        QRegion stored(r);
        for (const ImageSurface::Block& b : blocks)
            if (b.rect.intersects(r))
                stored -= b.rect;
        for (const QRect& part : stored)
            p.drawImage(part, image, source(part));
        if (overlay)
            for (const QRect& part : m_surface.overlayArea() & r)
                p.drawImage(part, *overlay, source(part));
        for (const ImageSurface::Block& b : blocks) {
            if (!b.rect.intersects(r))
                continue;
            if (screen)
                fillOpaque(screen->bits, screen->bytesPerLine, b.rect & r, b.color.rgb());
            else
                p.fillRect(b.rect & r, b.color);
        }
    }
    if (!m_target)
        return;
    const QRect bounds = region.boundingRect();
    for (const Control* c : m_target->controls()) {
        if (!c->onScreen())
            continue;
        const QRect place = toPixels(c->windowRect());
        if (place.isEmpty() || !place.intersects(bounds))
            continue;
        const QRegion part = region.intersected(place);
        if (part.isEmpty())
            continue;
        if (part.rectCount() == 1)
            p.setClipRect(part.boundingRect());
        else
            p.setClipRegion(part);
        paintControl(p, *c, place);
    }
}

void Canvas::paintControl(QPainter& p, const Control& c, const QRect& r)
{
    switch (c.kind()) {
    case ControlKind::Panel:
        p.fillRect(r, toQColor(c.back()));
        break;
    case ControlKind::Picture:
        m_pictures.paint(p, c.picture(), r);
        break;
    case ControlKind::Label:
        paintLabel(p, c, r);
        break;
    case ControlKind::List:
        paintList(p, c, r);
        break;
    }
}

void Canvas::paintLabel(QPainter& p, const Control& c, const QRect& r)
{
    if (c.caption().empty()) {
        p.fillRect(r, toQColor(c.back()));
        return;
    }
    const int dpi = p.device()->logicalDpiY();
    // The widget paints into its backing store's image: a label's image in
    // that format is copied pixel for pixel. Any other target draws in place.
    QPaintDevice* target = p.paintEngine() ? p.paintEngine()->paintDevice() : nullptr;
    if (!target || target->devType() != QInternal::Image) {
        drawLabel(p, c, r, dpi, m_metrics);
        return;
    }
    const auto& screen = *static_cast<const QImage*>(target);
    const LabelImages::Look look{c.caption(), c.font(), c.fore(), c.back(),
                                 c.enabled(), c.alignment(), r.size(), dpi,
                                 screen.devicePixelRatio(), screen.format()};
    p.drawImage(r.topLeft(), m_labels.imageOf(look, [&](QPainter& onImage) {
        drawLabel(onImage, c, QRect(QPoint(0, 0), r.size()), dpi, m_metrics);
    }));
}

void Canvas::paintList(QPainter& p, const Control& c, const QRect& r)
{
    p.fillRect(r, toQColor(c.back()));
    p.setPen(kListFrameColour);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const int frame = toPixels(kListFrame / 2);
    const QRect inside = r.adjusted(frame, frame, -frame, -frame);
    const int itemHeight = std::max(1, toPixels(c.itemHeight()));
    p.save();
    p.setClipRect(inside, Qt::IntersectClip);
    p.setFont(qtFont(c.font(), p.device()->logicalDpiY()));
    const auto& entries = c.entries();
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const QRect row(inside.left(), inside.top() + i * itemHeight, inside.width(), itemHeight);
        if (row.top() > inside.bottom())
            break;
        if (i == c.index()) {
            p.fillRect(row, kSelection);
            p.setPen(kSelectedText);
        } else {
            p.setPen(c.enabled() && c.entryEnabled(i) ? toQColor(c.fore()) : kDisabledText);
        }
        p.drawText(row, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, QString::fromStdString(entries[i]));
    }
    p.restore();
}

}  // namespace kolven::platform::qt
