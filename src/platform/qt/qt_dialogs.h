#pragma once

#include "platform/dialogs.h"

class QWidget;

namespace kolven::platform::qt {

// The desktop's own file dialogs, modal over the program's window.
class QtDialogs final : public Dialogs {
public:
    // parent: the window the dialogs stand over; it outlives them.
    explicit QtDialogs(QWidget& parent) : m_parent(parent) {}
    std::optional<std::string> askSavePath(const std::string& folder, const std::string& defaultName,
                                           const FileFilter& filter) override;
    std::optional<std::string> askOpenPath(const std::string& folder, const std::vector<FileFilter>& filters) override;
    std::string userFolder(UserFolder which) const override;

private:
    QWidget& m_parent;
};

// The system's clipboard (the X selection of the clipboard, not the primary one).
class QtClipboard final : public Clipboard {
public:
    void setText(const std::string& utf8) override;
    std::string text() const override;
};

}  // namespace kolven::platform::qt
