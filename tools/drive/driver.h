#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "real_pointer.h"
#include "script_line.h"
#include "script_player.h"

class QPixmap;
class QWindow;

namespace kolven {
class KolvenWindow;
namespace platform::qt {
class QtWindowSystem;
}
}  // namespace kolven

namespace kolven::drive {

class FileSoundInput;
class ScriptedDialogs;

// Plays script commands on the real window: pointer commands become Qt
// pointer events on the window's canvas, read-outs are printed one JSON
// object a line.
class Driver final : private Stage {
public:
    Driver(KolvenWindow& window, platform::qt::QtWindowSystem& windowSystem, ScriptedDialogs& dialogs,
           FileSoundInput& sound, std::ostream& out);

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
    std::optional<std::string> save(const QPixmap& picture, const std::string& name);

    platform::qt::QtWindowSystem& m_windowSystem;
    ScriptedDialogs& m_dialogs;
    FileSoundInput& m_sound;
    QWindow* m_qwindow;
    RealPointer m_pointer;
    std::ostream& m_out;
    ScriptPlayer m_player;
};

}  // namespace kolven::drive
