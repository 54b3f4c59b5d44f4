#pragma once

// The real window on Qt, shown and driven with real pointer events, with a
// watch on its paints: when the next one ends and how many pixels it covers.

#include <QObject>
#include <QPoint>

#include <chrono>
#include <string>

#include "platform/clock.h"
#include "platform/posix_files.h"
#include "platform/qt/qt_window_system.h"
#include "real_pointer.h"
#include "shell/kolven_window.h"

class QWindow;

namespace kolven::bench {

using Clock = std::chrono::steady_clock;

double microsecondsSince(Clock::time_point from);

// A scratch folder for the export file, removed with everything in it.
struct ScratchFolder {
    ScratchFolder();
    ~ScratchFolder();
    std::string path;
};

// Counts the paint events of one widget and the pixels they cover.
class PaintWatch final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override;

    long paints = 0;
    long pixels = 0;  // summed over every paint, each region's own rectangles
};

// What one paint cost: the time until it ended and what it covered.
struct Paint {
    bool happened = false;
    double microseconds = 0;  // from the given start to the end of the paint
    long pixels = 0;
};

// The window on the offscreen platform, and real pointer events at a pixel,
// delivered before the call returns (press and release are a click's halves).
class WindowProbe : public drive::RealPointer {
public:
    WindowProbe(int screenWidth, int screenHeight);
    ~WindowProbe();

    KolvenWindow& window() { return m_window; }
    platform::qt::QtWindowSystem& display() { return m_display; }

    // A click at the middle of a control.
    void click(const platform::Control& control);

    // Runs the event loop until a paint has ended (measured from `start`),
    // or until it is plain that none is coming.
    Paint awaitPaint(Clock::time_point start);
    // Paints whatever is pending, so that the next measure starts clean.
    void settle();

private:
    ScratchFolder m_exportRoot;
    platform::SystemClock m_clock;
    platform::PosixFileSystem m_files;
    platform::qt::QtWindowSystem m_display;
    KolvenWindow m_window;
    PaintWatch m_watch;
};

}  // namespace kolven::bench
