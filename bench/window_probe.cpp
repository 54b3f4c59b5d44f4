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

// The middle of the pixels whose first twip lies inside [from, to).
int middlePixel(int from, int to)
{
    const int first = platform::qt::toPixels(from + platform::kTwipsPerPixel - 1);
    const int last = platform::qt::toPixels(to - 1);
    return last >= first ? (first + last) / 2 : platform::qt::toPixels(from);
}

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
    m_qwindow = m_display.widget().windowHandle();
    settle();
}

WindowProbe::~WindowProbe()
{
    m_display.widget().removeEventFilter(&m_watch);
}

void WindowProbe::send(QPoint pixel, int type, int button)
{
    drive::sendRealPointer(m_qwindow, pixel, static_cast<QEvent::Type>(type), static_cast<Qt::MouseButton>(button));
}

void WindowProbe::moveTo(QPoint pixel)
{
    send(pixel, QEvent::MouseMove, Qt::NoButton);
}

void WindowProbe::press(QPoint pixel)
{
    send(pixel, QEvent::MouseButtonPress, Qt::LeftButton);
}

void WindowProbe::release(QPoint pixel)
{
    send(pixel, QEvent::MouseButtonRelease, Qt::LeftButton);
}

QPoint WindowProbe::centreOf(const platform::Control& control) const
{
    const platform::Rect r = control.windowRect();
    return QPoint(middlePixel(r.left, r.right()), middlePixel(r.top, r.bottom()));
}

void WindowProbe::click(const platform::Control& control)
{
    const QPoint at = centreOf(control);
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
