#pragma once

#include <string>

#include "platform/files.h"
#include "platform/posix_replaced_file.h"

namespace kolven::platform {

class PosixFileSystem : public FileSystem {
public:
    static constexpr long long kHeldInMemory = 4 << 20;

    // exportRoot: the folder that stands for the root of the working drive;
    // empty for the default rule (the root of the file system that holds the
    // working folder when it can be written, else the home folder).
    // workingDirectory: empty for the process's own.
    // dataHome: the user's data folder; empty for $XDG_DATA_HOME, or
    // ~/.local/share when that is not set.
    explicit PosixFileSystem(std::string exportRoot = {}, std::string workingDirectory = {},
                             std::string dataHome = {});
    // Only a regular file is read, opened without waiting (a named pipe put
    // in its place would block the program for good); a file of at most
    // kHeldInMemory bytes is read once and kept.
    std::unique_ptr<NumberReader> openNumbers(const std::string& path) override;
    bool isFile(const std::string& path) const override;
    EntryKind entryKind(const std::string& path) const override;
    std::string workingDirectory() const override;
    std::string programDirectory() const override;
    ReplacedFile& exportFile() override { return m_export; }
    // Through the export file's own writing: nothing is written through a link.
    SaveOutcome saveFile(const std::string& path, std::string_view bytes) override;
    TextRead readText(const std::string& path, std::size_t most, bool tail = false) const override;
    ReplacedFile* classIntervalFile() override { return &m_classIntervals; }

    static std::string defaultExportRoot(const std::string& workingDirectory);
    static std::string defaultDataHome();

private:
    std::string m_workingDirectory;
    PosixReplacedFile m_export;
    PosixReplacedFile m_classIntervals;
};

}  // namespace kolven::platform
