#pragma once

#include <QEvent>
#include <QPoint>

#include <iosfwd>
#include <string>
#include <vector>

#include "real_pointer.h"

#include "platform/control.h"
#include "script_line.h"
#include "file_sound_input.h"
#include "scripted_dialogs.h"

class QPixmap;
class QWindow;

namespace kolven {
class KolvenWindow;
namespace platform::qt {
class QtWindowSystem;
}
}  // namespace kolven

namespace kolven::drive {

// Plays script commands on the real window: pointer commands become Qt
// pointer events on the window's canvas, read-outs are printed one JSON
// object a line.
class Driver {
public:
    // dialogs: the window's file dialogs, which answer-file answers.
    // sound: the window's sound input, which record-from feeds.
    Driver(KolvenWindow& window, platform::qt::QtWindowSystem& windowSystem, ScriptedDialogs& dialogs,
           FileSoundInput& sound, std::ostream& out);

    // Runs one command; false when it could not be carried out (an error line
    // has then been printed).
    bool run(const Command& command);
    void error(const std::string& message);
    // The program has ended; the script stops.
    bool ended() const;

private:
    bool perform(const Command& command);
    const platform::Control* controlNamed(const std::string& name);
    QPoint backgroundPoint() const;
    void clickAt(QPoint pixel);
    void catchUp();
    bool save(const QPixmap& picture, const std::string& name);
    void onYield(int yieldNumber);
    bool dropUnspentCommands();

    KolvenWindow& m_window;
    platform::qt::QtWindowSystem& m_windowSystem;
    ScriptedDialogs& m_dialogs;
    FileSoundInput& m_sound;
    QWindow* m_qwindow;
    RealPointer m_pointer;
    std::ostream& m_out;
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
