#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/advance_table.h"
#include "platform/web/web_surface.h"
#include "platform/window_system.h"
#include "platform/window_target.h"

namespace kolven::platform::web {

// The window system in a web page: the window drawn on the page's canvas at
// the size of the browser's window when the page opens, text measured from
// the fonts' table as on the desktop, pointer events from the mouse and from
// touch queued by the page and handled here, and a yield that hands the
// browser its turn (through Asyncify) at most once a frame.
class WebWindowSystem final : public WindowSystem {
public:
    WebWindowSystem();
    ~WebWindowSystem() override;

    Size measure(const Font& font, const std::string& text) const override;
    int screenWidthPixels() const override { return m_width; }
    int screenHeightPixels() const override { return m_height; }
    Surface& surface() override { return *m_surface; }
    void yield() override;
    // A page cannot close its browser's window: the program's end blanks
    // the page and stops its events.
    void endProgram() override { m_endAsked = true; }
    void setArrowCursor() override;
    char decimalSeparator() const override { return m_decimalSeparator; }

    template <typename Window>
    void attach(Window& window)
    {
        m_target = std::make_unique<WindowTargetFor<Window>>(window);
    }
    // Paints the window if anything changed since the last frame.
    void paint();
    // Handles every queued pointer event.
    void processEvents();
    // Handles events as they come, for as long as the page lives.
    void run();
    bool ended() const { return m_ended; }

    void setYieldHook(std::function<void(int yieldNumber)> hook) { m_yieldHook = std::move(hook); }
    int yieldCount() const { return m_yields; }
    // A pointer event sent to the page's canvas the way the browser sends a
    // person's, then handled.
    void sendPointer(int type, int x, int y);

    // The page's address parameter of that name (after the '#').
    static std::optional<std::string> parameter(const std::string& name);
    static void output(const std::string& line);

private:
    void afterDispatch();

    int m_width;
    int m_height;
    char m_decimalSeparator;
    std::unique_ptr<WebSurface> m_surface;
    std::unique_ptr<WindowTarget> m_target;
    std::function<void(int)> m_yieldHook;
    int m_yields = 0;
    double m_nextBrowserTurn = 0;
    bool m_endAsked = false;
    bool m_ended = false;
    const Control* m_tooltipControl = nullptr;
};

}  // namespace kolven::platform::web
