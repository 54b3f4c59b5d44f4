#include "shell/interval_file_check.h"

#include "core/interval_file.h"
#include "core/interval_file_location.h"
#include "core/interval_file_refusal.h"

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
        // Something of that name that cannot be read is named, not called missing.
        if (const std::string impostor = intervalFileImpostor(files); !impostor.empty())
            return {false, intervalFileRefusal(IntervalFileFault::NotRegular, impostor) + "\n"};
        std::string folders;
        for (const std::string& folder : intervalFileFolders(files.workingDirectory(), files.programDirectory()))
            folders += (folders.empty() ? "" : ", ") + folder;
        return {false, name + " introuvable ; cherché dans : " + folders + "\n"};
    }
    if (files.entryKind(path) == platform::EntryKind::EmptyFile)
        return {false, intervalFileRefusal(IntervalFileFault::Empty, path) + "\n"};
    const auto reader = files.openNumbers(path);
    if (!reader)
        return {false, intervalFileRefusal(IntervalFileFault::Unreadable, path) + "\n"};
    const long count = countValues(*reader);
    if (count == 0)
        return {false, intervalFileRefusal(IntervalFileFault::NoNumber, path) + "\n"};
    return {true, name + " : " + std::to_string(count) + " intervalles lus dans " + path + "\n"};
}

}  // namespace kolven
