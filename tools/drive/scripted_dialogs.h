#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "platform/dialogs.h"

namespace kolven::drive {

// The file dialogs as a script sees them: answer-file gives the answer to the
// next one, of either kind, beforehand. A dialog with no answer waiting is
// cancelled at once, never shown: a script would hang on a modal dialog.
// Each dialog asked for is told on out, one JSON object, so that a script
// sees the folder and the name it was offered.
class ScriptedDialogs final : public platform::Dialogs {
public:
    ScriptedDialogs(const platform::Dialogs& folders, std::ostream& out, std::ostream& notes)
        : m_folders(folders), m_out(out), m_notes(notes)
    {
    }

    // The next dialog gives path; nothing: the next dialog is cancelled.
    void answerNext(std::optional<std::string> path) { m_answer = std::move(path); }

    std::optional<std::string> askSavePath(const std::string& folder, const std::string& defaultName,
                                           const platform::FileFilter& filter) override;
    std::optional<std::string> askOpenPath(const std::string& folder,
                                           const std::vector<platform::FileFilter>& filters) override;
    std::string userFolder(platform::UserFolder which) const override { return m_folders.userFolder(which); }

private:
    std::optional<std::string> answer(const char* kind);

    const platform::Dialogs& m_folders;
    std::ostream& m_out;
    std::ostream& m_notes;
    // Empty: no answer given; holding nothing: a cancel.
    std::optional<std::optional<std::string>> m_answer;
};

}  // namespace kolven::drive
