#include "platform/qt/qt_window_system.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

#include <chrono>

#include "platform/qt/canvas.h"
#include "platform/qt/fonts.h"
#include "platform/qt/image_surface.h"
#include "platform/qt/picture_painter.h"

namespace kolven::platform::qt {

namespace {

// The screen catches up at most this often during a run; a run yields after
// every count, far more often than any screen can show.
constexpr double kFramePeriod = 1.0 / 60.0;
// Pending events run at most this often during a run: a press on the stop
// label takes effect within it, which no one can tell from at once, while
// running them after every count would cost most of a count at low means.
// The runs a student follows count by count pause longer than this after
// each count, so they still see every count come.
constexpr double kEventPeriod = 0.001;

const QColor kWindowBack(colors::windowBackground.r, colors::windowBackground.g, colors::windowBackground.b);

double monotonicSeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

char separatorOf(const QLocale& locale)
{
    const QString point = locale.decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80)
        return static_cast<char>(point.at(0).unicode());
    return '.';
}

}  // namespace

QtWindowSystem::QtWindowSystem(Options options)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    m_forcedScreen = options.screenWidth > 0 && options.screenHeight > 0;
    if (m_forcedScreen) {
        m_screenWidth = options.screenWidth;
        m_screenHeight = options.screenHeight;
    } else if (screen) {
        m_screenWidth = screen->geometry().width();
        m_screenHeight = screen->geometry().height();
    }
    m_decimalSeparator =
        separatorOf(options.locale.empty() ? QLocale::system() : QLocale(QString::fromStdString(options.locale)));

    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    m_metrics = std::make_unique<TextMetrics>();
    m_surface = std::make_unique<ImageSurface>(QSize(m_screenWidth, m_screenHeight), ratio, kWindowBack, *m_metrics);
    m_canvas = std::make_unique<Canvas>(*m_surface, *m_metrics);
    m_canvas->afterDispatch = [this] { afterDispatch(); };
    m_canvas->closed = [this] { end(); };
}

QtWindowSystem::~QtWindowSystem()
{
    // The canvas paints from the surface and the target: it goes first.
    m_canvas.reset();
}

std::optional<std::string> QtWindowSystem::picture(const PictureRequest& request,
                                                   const std::function<void(PictureSurface&)>& draw)
{
    return paintPicture(request, draw, *m_metrics);
}

Size QtWindowSystem::measure(const Font& font, const std::string& text) const
{
    return m_metrics->measure(font, text);
}

Surface& QtWindowSystem::surface()
{
    return *m_surface;
}

QWidget& QtWindowSystem::widget()
{
    return *m_canvas;
}

void QtWindowSystem::attachTarget(std::unique_ptr<WindowTarget> target)
{
    m_target = std::move(target);
    m_canvas->setTarget(m_target.get());
}

void QtWindowSystem::showWindow()
{
    if (m_forcedScreen) {
        m_canvas->setFixedSize(m_screenWidth, m_screenHeight);
        m_canvas->move(0, 0);
        m_canvas->show();
    } else {
        // Full screen is a request to the window manager, and a bare X server
        // (a kiosk) has none: the window would keep the default size of a
        // new window. It is placed over the whole screen first, so that it
        // covers it with or without a window manager.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            m_canvas->setGeometry(screen->geometry());
        m_canvas->showFullScreen();
    }
    flush();
}

void QtWindowSystem::flush()
{
    m_canvas->catchUp();
    m_nextFlush = monotonicSeconds() + kFramePeriod;
}

void QtWindowSystem::yield()
{
    ++m_yields;
    if (m_yieldHook)
        m_yieldHook(m_yields);
    const double now = monotonicSeconds();
    if (now < m_nextEvents)
        return;
    m_nextEvents = now + kEventPeriod;
    if (now >= m_nextFlush)
        flush();
    QCoreApplication::processEvents();
}

void QtWindowSystem::endProgram()
{
    m_endAsked = true;
}

void QtWindowSystem::setArrowCursor()
{
    m_canvas->setCursor(Qt::ArrowCursor);
}

void QtWindowSystem::afterDispatch()
{
    m_canvas->catchUp();
    if (m_endAsked || (m_target && m_target->endRequested()))
        end();
}

void QtWindowSystem::end()
{
    if (m_ended)
        return;
    m_ended = true;
    m_canvas->closingForGood = true;
    // Leaves the event loop once the handler on the stack has returned; the
    // drive, which has no event loop, reads ended() instead.
    QCoreApplication::exit(0);
}

}  // namespace kolven::platform::qt
