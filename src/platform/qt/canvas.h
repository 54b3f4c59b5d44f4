#pragma once

#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/qt/drawings.h"
#include "platform/qt/label_images.h"
#include "platform/window_target.h"

namespace kolven::platform::qt {

class ImageSurface;
class TextMetrics;

// The one widget of the program: it blits the window's stored drawing and
// paints every control on top of it itself, so that a control is only a set
// of properties and a change costs nothing until the screen catches up.
class Canvas final : public QWidget {
public:
    Canvas(ImageSurface& surface, const TextMetrics& metrics);

    void setTarget(WindowTarget* target);
    // Marks for repainting what changed since the last call: the surface's
    // dirty rectangle and the old and new place of every control whose
    // properties, place or visibility changed. Qt repaints on its next pass.
    void catchUp();

    // Called after each event the window handled.
    std::function<void()> afterDispatch;
    // Called when the window agreed to close.
    std::function<void()> closed;
    // Set once the program is ending: a close then needs no one's consent.
    bool closingForGood = false;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct Snapshot {
        const Control* control = nullptr;
        std::uint64_t version = 0;
        std::uint64_t chain = 0;  // the newest version of it and its parents
        Rect rect;
        bool onScreen = false;
    };

    void catchUp(const Control& control, Snapshot& shown, QRegion& region);
    void dispatched();
    void paintControl(QPainter& painter, const Control& control, const QRect& rect);
    void paintLabel(QPainter& painter, const Control& control, const QRect& rect);
    void paintList(QPainter& painter, const Control& control, const QRect& rect);

    ImageSurface& m_surface;
    const TextMetrics& m_metrics;
    WindowTarget* m_target = nullptr;
    PictureBook m_pictures;
    LabelImages m_labels;
    std::vector<Snapshot> m_shown;
    std::uint64_t m_caughtUpWith = 0;  // Control::latestVersion() at the last catch-up
};

}  // namespace kolven::platform::qt
