#include "page_driver.h"

#include <sstream>

#include "platform/web/canvas_calls.h"
#include "platform/web/web_window_system.h"

namespace kolven::drive {

PageDriver::PageDriver(KolvenWindow& window, platform::web::WebWindowSystem& windowSystem,
                       std::function<std::optional<std::string>()> exportText)
    : m_windowSystem(windowSystem), m_exportText(std::move(exportText)), m_player(window, *this)
{
    m_windowSystem.setYieldHook([this](int n) { m_player.onYield(n); });
}

bool PageDriver::ended() const
{
    return m_windowSystem.ended();
}

void PageDriver::pointer(PointerAction action, Pixel pixel)
{
    const int type = action == PointerAction::Move    ? platform::web::kMove
                     : action == PointerAction::Press ? platform::web::kPress
                                                      : platform::web::kRelease;
    m_windowSystem.sendPointer(type, pixel.x, pixel.y);
}

void PageDriver::catchUp()
{
    m_windowSystem.processEvents();
    m_windowSystem.paint();
}

int PageDriver::yieldCount() const
{
    return m_windowSystem.yieldCount();
}

void PageDriver::write(const std::string& line)
{
    platform::web::WebWindowSystem::output(line);
}

// The page keeps the export file's text in memory, whatever the path.
std::optional<std::string> PageDriver::exportText(const std::string&)
{
    return m_exportText();
}

std::optional<std::string> PageDriver::savePicture(Verb verb, const std::string&)
{
    return std::string(verb == Verb::Shot ? "shot" : "screen-shot") + ": a page saves no picture; the browser takes it";
}

std::optional<std::string> PageDriver::answerNextDialog(const std::optional<std::string>&)
{
    return "answer-file: a page opens no file dialog";
}

std::optional<std::string> PageDriver::armRecording(const std::string&)
{
    return "record-from: a page has no sound input";
}

std::optional<std::string> PageDriver::feedRecording()
{
    return armRecording({});
}

void playScript(PageDriver& driver, const std::string& script)
{
    std::istringstream lines(script);
    std::string line;
    while (!driver.ended() && std::getline(lines, line)) {
        const auto parsed = parseLine(line);
        if (!parsed)
            continue;
        if (const auto* problem = std::get_if<ParseError>(&*parsed)) {
            driver.error(problem->message);
            continue;
        }
        const auto& command = std::get<Command>(*parsed);
        driver.run(command);
        if (command.verb == Verb::Quit)
            break;
    }
    platform::web::WebWindowSystem::output("drive: done");
}

}  // namespace kolven::drive
