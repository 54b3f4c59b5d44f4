#include "window_probe.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <filesystem>

#include "platform/qt/image_surface.h"
#include "program_folder.h"
#include "real_pointer.h"

namespace kolven::bench {

namespace {

// Passes of the event loop with nothing painted after which no paint is
// taken to be coming: the repaint a handler asks for is one posted event.
constexpr int kIdlePasses = 3;

}  // namespace

double microsecondsSince(Clock::time_point from)
{
    return std::chrono::duration<double, std::micro>(Clock::now() - from).count();
}

ScratchFolder::ScratchFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "kolven-bench-XXXXXX").string();
    path = mkdtemp(pattern.data());
}

ScratchFolder::~ScratchFolder()
{
    std::filesystem::remove_all(path);
}

bool PaintWatch::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        ++paints;
        for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
            pixels += static_cast<long>(r.width()) * r.height();
    }
    return false;
}

WindowProbe::WindowProbe(int screenWidth, int screenHeight)
    : m_files(m_exportRoot.path, programFolder()),
      m_display({screenWidth, screenHeight, {}}),
      m_window({m_display, m_clock, m_files})
{
    m_display.attach(m_window);
    m_window.Form_Load();
    m_display.showWindow();
    m_display.widget().installEventFilter(&m_watch);
    setWindow(m_display.widget().windowHandle());
    settle();
}

WindowProbe::~WindowProbe()
{
    m_display.widget().removeEventFilter(&m_watch);
}

void WindowProbe::click(const platform::Control& control)
{
    const QPoint at = drive::middleOf(control);
    moveTo(at);
    press(at);
    release(at);
    settle();
}

Paint WindowProbe::awaitPaint(Clock::time_point start)
{
    const long paintsBefore = m_watch.paints, pixelsBefore = m_watch.pixels;
    for (int idle = 0; idle < kIdlePasses;) {
        QCoreApplication::processEvents();
        if (m_watch.paints > paintsBefore)
            return {true, microsecondsSince(start), m_watch.pixels - pixelsBefore};
        ++idle;
    }
    return {};
}

void WindowProbe::settle()
{
    m_display.flush();
    while (awaitPaint(Clock::now()).happened) {
    }
}

}  // namespace kolven::bench
