#include "page_driver.h"

#include <sstream>

#include "platform/web/canvas_calls.h"
#include "platform/web/web_text.h"
#include "platform/web/web_window_system.h"
#include "shell/kolven_window.h"
#include "state_dump.h"

namespace kolven::drive {

using platform::kTwipsPerPixel;
using platform::web::toPixels;

namespace {

// The middle of the pixels whose first twip lies inside [from, to).
int middlePixel(int from, int to)
{
    const int first = toPixels(from + kTwipsPerPixel - 1);
    const int last = toPixels(to - 1);
    return last >= first ? (first + last) / 2 : toPixels(from);
}

}  // namespace

PageDriver::PageDriver(KolvenWindow& window, platform::web::WebWindowSystem& windowSystem,
                       std::function<std::optional<std::string>()> exportText)
    : m_window(window), m_windowSystem(windowSystem), m_exportText(std::move(exportText))
{
    m_windowSystem.setYieldHook([this](int n) { onYield(n); });
}

bool PageDriver::ended() const
{
    return m_windowSystem.ended();
}

void PageDriver::error(const std::string& message)
{
    platform::web::WebWindowSystem::output("{\"error\": " + jsonString(message) + "}");
}

bool PageDriver::run(const Command& command)
{
    m_windowSystem.processEvents();
    m_windowSystem.paint();
    const int yieldsBefore = m_windowSystem.yieldCount();
    m_commandBase = yieldsBefore;
    m_armedFailed = false;
    bool done = perform(command);
    const bool ranYields = m_windowSystem.yieldCount() > yieldsBefore;
    if (m_stopArmed && command.verb != Verb::StopAfter && ranYields)
        m_stopArmed = false;
    if (ranYields && !dropUnspentCommands())
        done = false;
    return done && !m_armedFailed;
}

bool PageDriver::dropUnspentCommands()
{
    const int yields = m_windowSystem.yieldCount() - m_commandBase;
    for (const Armed& armed : m_armed)
        error("at-count " + std::to_string(armed.count) + ": the run ended after " + std::to_string(yields) +
              " yields, the command was not carried out");
    const bool allSpent = m_armed.empty();
    m_armed.clear();
    return allSpent;
}

const platform::Control* PageDriver::controlNamed(const std::string& name)
{
    const platform::Control* c = m_window.control(name);
    if (!c)
        error("unknown control: " + name);
    return c;
}

PageDriver::Pixel PageDriver::backgroundPoint() const
{
    const int width = m_windowSystem.screenWidthPixels(), height = m_windowSystem.screenHeightPixels();
    for (int y = height - 1; y >= 0; y -= 4)
        for (int x = width - 1; x >= 0; x -= 4)
            if (!m_window.controlAt(x * kTwipsPerPixel, y * kTwipsPerPixel))
                return {x, y};
    return {width - 1, height - 1};
}

void PageDriver::moveTo(Pixel p)
{
    m_windowSystem.sendPointer(platform::web::kMove, p.x, p.y);
}

void PageDriver::press(Pixel p)
{
    m_windowSystem.sendPointer(platform::web::kPress, p.x, p.y);
}

void PageDriver::release(Pixel p)
{
    m_windowSystem.sendPointer(platform::web::kRelease, p.x, p.y);
}

void PageDriver::clickAt(Pixel p)
{
    moveTo(p);
    if (ended())
        return;
    press(p);
    if (ended())
        return;
    release(p);
}

void PageDriver::onYield(int yieldNumber)
{
    std::vector<Command> due;
    for (auto it = m_armed.begin(); it != m_armed.end();) {
        if (m_commandBase + it->count == yieldNumber) {
            due.push_back(std::move(it->command));
            it = m_armed.erase(it);
        } else {
            ++it;
        }
    }
    if (!due.empty())
        m_window.beforeFrame();
    for (const Command& command : due) {
        if (ended())
            break;
        if (!perform(command))
            m_armedFailed = true;
    }
    if (!m_stopArmed || yieldNumber != m_stopBase + m_stopCount || ended())
        return;
    m_stopArmed = false;
    const platform::Rect r = m_window.ARRET_Label.windowRect();
    const Pixel stop{middlePixel(r.left, r.right()), middlePixel(r.top, r.bottom())};
    moveTo(stop);
    press(stop);
    release(stop);
}

bool PageDriver::perform(const Command& c)
{
    const auto middleOf = [](const platform::Control& control) {
        const platform::Rect r = control.windowRect();
        return Pixel{middlePixel(r.left, r.right()), middlePixel(r.top, r.bottom())};
    };
    switch (c.verb) {
    case Verb::Hover:
    case Verb::Click:
    case Verb::Down: {
        const platform::Control* control = controlNamed(c.name);
        if (!control)
            return false;
        const Pixel centre = middleOf(*control);
        if (c.verb == Verb::Hover) {
            moveTo(centre);
        } else if (c.verb == Verb::Click) {
            clickAt(centre);
        } else {
            moveTo(centre);
            if (ended())
                return true;
            press(centre);
            if (ended())
                return true;
            const Pixel away = backgroundPoint();
            moveTo(away);
            release(away);
        }
        return true;
    }
    case Verb::Pick: {
        const platform::Control* list = controlNamed(c.name);
        if (!list)
            return false;
        if (list->kind() != platform::ControlKind::List) {
            error("not a list: " + c.name);
            return false;
        }
        const platform::Rect r = list->windowRect();
        const int y = r.top + platform::kListFrame / 2 + (2 * c.a + 1) * list->itemHeight() / 2;
        clickAt({middleOf(*list).x, toPixels(y)});
        return true;
    }
    case Verb::Move:
        moveTo({toPixels(c.a), toPixels(c.b)});
        return true;
    case Verb::BackgroundClick:
        clickAt({toPixels(c.a), toPixels(c.b)});
        return true;
    case Verb::StopAfter:
        m_stopArmed = true;
        m_stopBase = m_windowSystem.yieldCount();
        m_stopCount = c.a;
        return true;
    case Verb::AtCount:
        m_armed.push_back({c.a, *c.deferred});
        return true;
    case Verb::Dump:
        platform::web::WebWindowSystem::output(dumpJson(m_window));
        return true;
    case Verb::Export:
        platform::web::WebWindowSystem::output(
            exportJson(m_window.services.files.exportFile().path(), m_exportText()));
        return true;
    case Verb::Shot:
    case Verb::ScreenShot:
        error(std::string(c.verb == Verb::Shot ? "shot" : "screen-shot") +
              ": a page saves no picture; the browser takes it");
        return false;
    case Verb::Quit:
        clickAt(middleOf(m_window.FIN));
        if (!ended()) {
            error("quit: the program did not end");
            return false;
        }
        return true;
    }
    return false;
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
