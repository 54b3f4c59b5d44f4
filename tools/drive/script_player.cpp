#include "script_player.h"

#include "platform/pixels.h"
#include "platform/window_system.h"
#include "shell/kolven_window.h"
#include "state_dump.h"

namespace kolven::drive {

using platform::kTwipsPerPixel;
using platform::toPixels;

namespace {

// The pixel whose twips hold x (the canvas reports a pixel as its first twip).
Pixel pixelOf(int x, int y)
{
    return {toPixels(x), toPixels(y)};
}

}  // namespace

void ScriptPlayer::error(const std::string& message)
{
    m_stage.write("{\"error\": " + jsonString(message) + "}");
}

bool ScriptPlayer::succeeded(const std::optional<std::string>& problem)
{
    if (problem)
        error(*problem);
    return !problem;
}

bool ScriptPlayer::run(const Command& command)
{
    m_stage.catchUp();
    const int yieldsBefore = m_stage.yieldCount();
    m_commandBase = yieldsBefore;
    m_armedFailed = false;
    bool done = perform(command);
    // stop-after and at-count aim at the next run only: once a run has been
    // through its yields, an unspent stop is dropped, and an unspent command
    // is an error of the script (the run was shorter than it thought).
    const bool ranYields = m_stage.yieldCount() > yieldsBefore;
    if (m_stopArmed && command.verb != Verb::StopAfter && ranYields)
        m_stopArmed = false;
    if (ranYields && !dropUnspentCommands())
        done = false;
    return done && !m_armedFailed;
}

bool ScriptPlayer::dropUnspentCommands()
{
    const int yields = m_stage.yieldCount() - m_commandBase;
    for (const Armed& armed : m_armed)
        error("at-count " + std::to_string(armed.count) + ": the run ended after " + std::to_string(yields) +
              " yields, the command was not carried out");
    const bool allSpent = m_armed.empty();
    m_armed.clear();
    return allSpent;
}

const platform::Control* ScriptPlayer::controlNamed(const std::string& name)
{
    const platform::Control* c = m_window.control(name);
    if (!c)
        error("unknown control: " + name);
    return c;
}

Pixel ScriptPlayer::backgroundPoint() const
{
    // From the bottom right corner upwards: the plot's lower margin is the
    // part of the window least likely to hold a control.
    const platform::WindowSystem& screen = m_window.services.window;
    const int width = screen.screenWidthPixels(), height = screen.screenHeightPixels();
    for (int y = height - 1; y >= 0; y -= 4)
        for (int x = width - 1; x >= 0; x -= 4)
            if (!m_window.controlAt(x * kTwipsPerPixel, y * kTwipsPerPixel))
                return {x, y};
    return {width - 1, height - 1};
}

void ScriptPlayer::clickAt(Pixel pixel)
{
    m_stage.pointer(PointerAction::Move, pixel);
    if (ended())
        return;
    m_stage.pointer(PointerAction::Press, pixel);
    if (ended())
        return;
    m_stage.pointer(PointerAction::Release, pixel);
}

void ScriptPlayer::onYield(int yieldNumber)
{
    // The commands due now, taken out first: carrying one out runs the
    // window system's events, and nothing may change the list under the loop.
    std::vector<Command> due;
    for (auto it = m_armed.begin(); it != m_armed.end();) {
        if (m_commandBase + it->count == yieldNumber) {
            due.push_back(std::move(it->command));
            it = m_armed.erase(it);
        } else {
            ++it;
        }
    }
    // The read-outs, written when the screen is painted, are brought up to
    // date first: a command may read them.
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
    // A person's press on the stop label, made while the run counts: the
    // window system delivers it within this yield.
    const Pixel stop = aimAt(m_window.ARRET_Label);
    m_stage.pointer(PointerAction::Move, stop);
    m_stage.pointer(PointerAction::Press, stop);
    m_stage.pointer(PointerAction::Release, stop);
}

bool ScriptPlayer::perform(const Command& c)
{
    switch (c.verb) {
    case Verb::Hover:
    case Verb::Click:
    case Verb::Down: {
        const platform::Control* control = controlNamed(c.name);
        if (!control)
            return false;
        const Pixel centre = aimAt(*control);
        if (c.verb == Verb::Hover) {
            m_stage.pointer(PointerAction::Move, centre);
        } else if (c.verb == Verb::Click) {
            clickAt(centre);
        } else {
            m_stage.pointer(PointerAction::Move, centre);
            if (ended())
                return true;
            m_stage.pointer(PointerAction::Press, centre);
            if (ended())
                return true;
            const Pixel away = backgroundPoint();
            m_stage.pointer(PointerAction::Move, away);
            m_stage.pointer(PointerAction::Release, away);
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
        clickAt(aimAtEntry(*list, c.a));
        return true;
    }
    case Verb::Move:
        m_stage.pointer(PointerAction::Move, pixelOf(c.a, c.b));
        return true;
    case Verb::BackgroundClick:
        clickAt(pixelOf(c.a, c.b));
        return true;
    case Verb::StopAfter:
        m_stopArmed = true;
        m_stopBase = m_stage.yieldCount();
        m_stopCount = c.a;
        return true;
    case Verb::AtCount:
        m_armed.push_back({c.a, *c.deferred});
        return true;
    case Verb::Dump:
        m_stage.write(dumpJson(m_window));
        return true;
    case Verb::Export: {
        const std::string path = m_window.services.files.exportFile().path();
        m_stage.write(exportJson(path, m_stage.exportText(path)));
        return true;
    }
    case Verb::Shot:
    case Verb::ScreenShot:
        return succeeded(m_stage.savePicture(c.verb, c.name));
    case Verb::AnswerFile:
        return succeeded(m_stage.answerNextDialog(c.name.empty() ? std::nullopt : std::optional<std::string>(c.name)));
    case Verb::RecordFrom:
        // As a person would: the detector's menu, its first entry; then the
        // file plays to its end.
        if (!succeeded(m_stage.armRecording(c.name)))
            return false;
        if (!perform(Command{Verb::Hover, "DETECTEUR", 0, 0, nullptr}) ||
            !perform(Command{Verb::Pick, "DETECTEUR_List", 0, 0, nullptr}))
            return false;
        if (!succeeded(m_stage.feedRecording()))
            return false;
        m_stage.catchUp();
        return true;
    case Verb::Clipboard:
        m_stage.write("{\"clipboard\": " + jsonString(m_window.services.clipboard.text()) + "}");
        return true;
    case Verb::Quit:
        clickAt(aimAt(m_window.FIN));
        if (!ended()) {
            error("quit: the program did not end");
            return false;
        }
        return true;
    }
    return false;
}

}  // namespace kolven::drive
