#include "shell/interval_file_check.h"

#include "core/interval_file.h"
#include "core/interval_file_location.h"

namespace kolven {

namespace {

// The values up to the end of the file, or up to the first field that is not
// a number: the stretch a simulation walks before it goes round again.
long countValues(platform::NumberReader& reader)
{
    long count = 0;
    while (reader.next())
        ++count;
    return count;
}

}  // namespace

IntervalFileCheck checkIntervalFile(platform::FileSystem& files)
{
    const std::string name = kIntervalFileName;
    const std::string path = locateIntervalFile(files);
    if (path.empty()) {
        std::string folders;
        for (const std::string& folder : intervalFileFolders(files.workingDirectory(), files.programDirectory()))
            folders += (folders.empty() ? "" : ", ") + folder;
        return {false, name + " introuvable ; cherché dans : " + folders + "\n"};
    }
    const auto reader = files.openNumbers(path);
    const long count = reader ? countValues(*reader) : 0;
    if (count == 0)
        return {false, name + " ne contient aucun intervalle : " + path + "\n"};
    return {true, name + " : " + std::to_string(count) + " intervalles lus dans " + path + "\n"};
}

}  // namespace kolven
