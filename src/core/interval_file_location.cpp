#include "core/interval_file_location.h"

#include <filesystem>

#include "core/interval_file.h"

namespace kolven {

std::vector<std::string> intervalFileFolders(const std::string& workingDirectory,
                                             const std::string& programDirectory)
{
    const std::filesystem::path program(programDirectory);
    return {workingDirectory, programDirectory, (program / kDataFolderFromProgram).lexically_normal().string()};
}

std::string locateIntervalFile(const platform::FileSystem& files)
{
    for (const std::string& folder : intervalFileFolders(files.workingDirectory(), files.programDirectory())) {
        const std::string path = (std::filesystem::path(folder) / kIntervalFileName).string();
        if (files.isFile(path))
            return path;
    }
    return {};
}

std::string intervalFileImpostor(const platform::FileSystem& files)
{
    for (const std::string& folder : intervalFileFolders(files.workingDirectory(), files.programDirectory())) {
        const std::string path = (std::filesystem::path(folder) / kIntervalFileName).string();
        if (files.entryKind(path) != platform::EntryKind::Missing)
            return path;
    }
    return {};
}

}  // namespace kolven
