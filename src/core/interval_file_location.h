#pragma once

#include <string>
#include <vector>

#include "platform/files.h"

namespace kolven {

// The data folder of an installation, seen from the program's folder: the
// program in <prefix>/bin, its data in <prefix>/share/kolven.
constexpr const char* kDataFolderFromProgram = "../share/kolven";

// Where the interval file is looked for, in this order: the working folder
// (a stream of the teacher's own), beside the program (the build folder, or
// a copy unpacked anywhere), then the data folder of an installation.
std::vector<std::string> intervalFileFolders(const std::string& workingDirectory,
                                             const std::string& programDirectory);

// The interval file in the first of those folders that holds it; empty when
// none does.
std::string locateIntervalFile(const platform::FileSystem& files);

// When no folder holds the interval file: something of its name that is not
// a regular file (a folder, a pipe, a link to nothing), in the first folder
// that holds one; empty when there is nothing of that name anywhere.
std::string intervalFileImpostor(const platform::FileSystem& files);

}  // namespace kolven
