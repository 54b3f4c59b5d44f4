#pragma once

#include <string>

#include "platform/files.h"

namespace kolven::platform {

// The export file kept open between writings: each writing is one pwrite of
// the whole text at offset 0, so that a reader never finds the file empty or
// cut short. A shorter text goes through a temporary file renamed over the
// old one. Twice a second the path is checked against the open file, so a
// file or folder removed during a run is back within a second.
class PosixReplacedFile final : public ReplacedFile {
public:
    PosixReplacedFile(std::string folder, std::string path);
    ~PosixReplacedFile() override;
    bool write(std::string_view text) override;
    const std::string& path() const override { return m_path; }

private:
    bool ensureOpen(double now);
    bool replaceThroughRename(std::string_view text);
    void closeFile();

    std::string m_folder;
    std::string m_path;
    int m_fd = -1;
    unsigned long m_inode = 0;
    long long m_length = 0;
    double m_lastCheck = -1e9;
    double m_lastFailure = -1e9;
};

class PosixFileSystem : public FileSystem {
public:
    // exportRoot: the folder that stands for the root of the working drive;
    // empty for the default rule (the root of the file system that holds the
    // working folder when it can be written, else the home folder).
    // workingDirectory: empty for the process's own.
    explicit PosixFileSystem(std::string exportRoot = {}, std::string workingDirectory = {});
    std::unique_ptr<NumberReader> openNumbers(const std::string& path) override;
    bool isFile(const std::string& path) const override;
    std::string workingDirectory() const override;
    std::string programDirectory() const override;
    ReplacedFile& exportFile() override { return m_export; }

    static std::string defaultExportRoot(const std::string& workingDirectory);

private:
    std::string m_workingDirectory;
    PosixReplacedFile m_export;
};

// The folder and file names of the export under a root folder.
std::string exportFolderUnder(const std::string& root);
std::string exportPathUnder(const std::string& root);

}  // namespace kolven::platform
