#include "platform/web/web_window_system.h"

#include <emscripten.h>

#include <cstdlib>

#include "platform/web/canvas_calls.h"
#include "platform/web/web_painter.h"
#include "platform/web/web_text.h"

namespace kolven::platform::web {

namespace {

// A run hands the browser its turn at most this often: the browser paints
// at most once a frame, and each turn costs the unwinding and rewinding of
// the run's stack. A press on the stop label takes effect within it.
constexpr double kBrowserPeriod = 1.0 / 60.0;

double nowSeconds()
{
    return emscripten_get_now() / 1000.0;
}

}  // namespace

WebWindowSystem::WebWindowSystem()
    : m_width(kolven_screen_width()),
      m_height(kolven_screen_height()),
      m_decimalSeparator(static_cast<char>(kolven_decimal_separator())),
      m_surface(std::make_unique<WebSurface>(m_width, m_height, textMetrics()))
{
    kolven_open(m_width, m_height, packed(colors::windowBackground));
}

WebWindowSystem::~WebWindowSystem() = default;

Size WebWindowSystem::measure(const Font& font, const std::string& text) const
{
    return textMetrics().measure(font, text);
}

void WebWindowSystem::setArrowCursor()
{
    kolven_set_cursor();
}

void WebWindowSystem::paint()
{
    if (m_ended || !m_target)
        return;
    m_target->beforeFrame();
    m_surface->takeChanged();
    kolven_compose(m_surface->overlayUsed());
    for (const Control* c : m_target->controls())
        if (c->onScreen())
            paintControl(*c);
}

void WebWindowSystem::afterDispatch()
{
    if (m_endAsked || (m_target && m_target->endRequested())) {
        m_ended = true;
        kolven_fill(kPage, 0, 0, m_width, m_height, packed(colors::windowBackground));
        kolven_ended();
    }
}

void WebWindowSystem::processEvents()
{
    int xy[2];
    while (!m_ended && m_target) {
        const int type = kolven_take_event(xy);
        if (type == kNoEvent)
            break;
        const int x = xy[0] * kTwipsPerPixel, y = xy[1] * kTwipsPerPixel;
        if (type == kMove) {
            m_target->pointerMoved(x, y);
            const Control* over = m_target->controlAt(x, y);
            if (over != m_tooltipControl) {
                m_tooltipControl = over;
                kolven_set_tooltip(over ? over->tooltip().c_str() : "");
            }
        } else if (type == kPress) {
            m_target->pointerPressed(x, y);
        } else {
            m_target->pointerReleased(x, y);
        }
        afterDispatch();
    }
}

void WebWindowSystem::sendPointer(int type, int x, int y)
{
    kolven_send_pointer(type, x, y);
    processEvents();
}

void WebWindowSystem::yield()
{
    ++m_yields;
    if (m_yieldHook)
        m_yieldHook(m_yields);
    const double now = nowSeconds();
    if (now < m_nextBrowserTurn)
        return;
    paint();
    kolven_yield_browser();
    m_nextBrowserTurn = nowSeconds() + kBrowserPeriod;
    processEvents();
}

void WebWindowSystem::run()
{
    while (!m_ended) {
        processEvents();
        paint();
        if (m_ended)
            break;
        kolven_wait_event();
    }
}

std::optional<std::string> WebWindowSystem::parameter(const std::string& name)
{
    char* value = kolven_parameter(name.c_str());
    if (!value)
        return std::nullopt;
    std::string text(value);
    std::free(value);
    return text;
}

void WebWindowSystem::output(const std::string& line)
{
    kolven_output(line.c_str());
}

}  // namespace kolven::platform::web
