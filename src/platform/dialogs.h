#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kolven::platform {

// A kind of file a dialog offers, in the form file dialogs show:
// "Image PNG (*.png)", several patterns blank-separated inside the brackets.
using FileFilter = std::string;

// The user's own folders, where a dialog starts.
enum class UserFolder { Pictures, Documents };

// The dialogs that ask the user for a file. Each waits for the answer and
// gives the path chosen, or nothing when the user cancels.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Suggests defaultName in folder; the user may change both.
    virtual std::optional<std::string> askSavePath(const std::string& folder, const std::string& defaultName,
                                                   const FileFilter& filter) = 0;
    virtual std::optional<std::string> askOpenPath(const std::string& folder,
                                                   const std::vector<FileFilter>& filters) = 0;
    // The folder's path; the home folder when the system has none of that kind.
    virtual std::string userFolder(UserFolder which) const = 0;
};

// The text the user copies between programs.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const std::string& utf8) = 0;
    virtual std::string text() const = 0;
};

// For a window system with no dialogs (a test, a benchmark): every dialog is
// cancelled, the clipboard is kept in memory, the user's folders are the
// working folder.
class NoDialogs final : public Dialogs {
public:
    std::optional<std::string> askSavePath(const std::string&, const std::string&, const FileFilter&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> askOpenPath(const std::string&, const std::vector<FileFilter>&) override
    {
        return std::nullopt;
    }
    std::string userFolder(UserFolder) const override { return "."; }
};

class MemoryClipboard final : public Clipboard {
public:
    void setText(const std::string& utf8) override { m_text = utf8; }
    std::string text() const override { return m_text; }

private:
    std::string m_text;
};

}  // namespace kolven::platform
