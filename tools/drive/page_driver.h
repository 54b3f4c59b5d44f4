#pragma once

#include <functional>
#include <optional>
#include <string>

#include "script_line.h"
#include "script_player.h"

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
class PageDriver final : private Stage {
public:
    PageDriver(KolvenWindow& window, platform::web::WebWindowSystem& windowSystem,
               std::function<std::optional<std::string>()> exportText);

    bool run(const Command& command) { return m_player.run(command); }
    void error(const std::string& message) { m_player.error(message); }
    bool ended() const override;

private:
    void pointer(PointerAction action, Pixel pixel) override;
    void catchUp() override;
    int yieldCount() const override;
    void write(const std::string& line) override;
    std::optional<std::string> exportText(const std::string& path) override;
    std::optional<std::string> savePicture(Verb verb, const std::string& file) override;
    std::optional<std::string> answerNextDialog(const std::optional<std::string>& path) override;
    std::optional<std::string> armRecording(const std::string& file) override;
    std::optional<std::string> feedRecording() override;

    platform::web::WebWindowSystem& m_windowSystem;
    std::function<std::optional<std::string>()> m_exportText;
    ScriptPlayer m_player;
};

// Plays a whole script, line by line, and ends with "drive: done".
void playScript(PageDriver& driver, const std::string& script);

}  // namespace kolven::drive
