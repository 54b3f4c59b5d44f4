#pragma once

#include <optional>
#include <string>
#include <vector>

#include "aim.h"
#include "platform/control.h"
#include "script_line.h"

namespace kolven {
class KolvenWindow;
}

namespace kolven::drive {

enum class PointerAction { Move, Press, Release };

// What a window system does for the player: everything else about a
// script is the same wherever the window runs.
class Stage {
public:
    virtual ~Stage() = default;
    // One real pointer event, delivered as the window system delivers it.
    virtual void pointer(PointerAction action, Pixel pixel) = 0;
    // Delivers the events waiting and brings the screen up to date.
    virtual void catchUp() = 0;
    virtual int yieldCount() const = 0;
    virtual bool ended() const = 0;
    // One line of output.
    virtual void write(const std::string& line) = 0;
    // The export file's text; null when there is none.
    virtual std::optional<std::string> exportText(const std::string& path) = 0;
    // Saves a picture (Verb::Shot or Verb::ScreenShot) to `file`; the
    // problem's message, or nothing when it was saved.
    virtual std::optional<std::string> savePicture(Verb verb, const std::string& file) = 0;
    // The next file dialog is answered with `path`, or cancelled when it is
    // null; the problem's message when this window system has no dialogs.
    virtual std::optional<std::string> answerNextDialog(const std::optional<std::string>& path) = 0;
    // The sound input plays `file` once listening starts; the problem's
    // message when it cannot.
    virtual std::optional<std::string> armRecording(const std::string& file) = 0;
    // Plays the armed file through the listening to its end.
    virtual std::optional<std::string> feedRecording() = 0;
};

// Plays script commands on a window: pointer commands go to the stage as
// pointer events, read-outs are written one JSON object a line. The stage's
// window system must call onYield at each of its yields.
class ScriptPlayer {
public:
    ScriptPlayer(KolvenWindow& window, Stage& stage) : m_window(window), m_stage(stage) {}

    // Runs one command; false when it could not be carried out (an error line
    // has then been written).
    bool run(const Command& command);
    void error(const std::string& message);
    // The program has ended; the script stops.
    bool ended() const { return m_stage.ended(); }
    void onYield(int yieldNumber);

private:
    bool perform(const Command& command);
    // Writes the problem's error line, if any; true when there was none.
    bool succeeded(const std::optional<std::string>& problem);
    const platform::Control* controlNamed(const std::string& name);
    Pixel backgroundPoint() const;
    void clickAt(Pixel pixel);
    bool dropUnspentCommands();

    KolvenWindow& m_window;
    Stage& m_stage;
    // A stop armed by stop-after: the press arrives in yield m_stopBase + m_stopCount.
    bool m_stopArmed = false;
    int m_stopBase = 0;
    int m_stopCount = 0;
    // Commands armed by at-count, in script order: each is carried out in
    // yield m_commandBase + count, m_commandBase being the yields made before
    // the script command now running (the one that starts the run).
    struct Armed {
        int count;
        Command command;
    };
    std::vector<Armed> m_armed;
    int m_commandBase = 0;
    bool m_armedFailed = false;
};

}  // namespace kolven::drive
