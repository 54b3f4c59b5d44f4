#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/control.h"
#include "script_line.h"

namespace kolven {
class KolvenWindow;
namespace platform::web {
class WebWindowSystem;
}
}  // namespace kolven

namespace kolven::drive {

// Plays kolven-drive's script commands on the window in a web page: pointer
// commands become pointer events sent to the page's canvas, read-outs are
// written one JSON object a line, as kolven-drive prints them.
class PageDriver {
public:
    PageDriver(KolvenWindow& window, platform::web::WebWindowSystem& windowSystem,
               std::function<std::optional<std::string>()> exportText);

    bool run(const Command& command);
    void error(const std::string& message);
    bool ended() const;

private:
    struct Pixel {
        int x, y;
    };
    bool perform(const Command& command);
    const platform::Control* controlNamed(const std::string& name);
    Pixel backgroundPoint() const;
    void moveTo(Pixel p);
    void press(Pixel p);
    void release(Pixel p);
    void clickAt(Pixel p);
    void onYield(int yieldNumber);
    bool dropUnspentCommands();

    KolvenWindow& m_window;
    platform::web::WebWindowSystem& m_windowSystem;
    std::function<std::optional<std::string>()> m_exportText;
    bool m_stopArmed = false;
    int m_stopBase = 0;
    int m_stopCount = 0;
    struct Armed {
        int count;
        Command command;
    };
    std::vector<Armed> m_armed;
    int m_commandBase = 0;
    bool m_armedFailed = false;
};

// Plays a whole script, line by line, and ends with "drive: done".
void playScript(PageDriver& driver, const std::string& script);

}  // namespace kolven::drive
