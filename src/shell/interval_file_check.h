#pragma once

#include <string>

#include "platform/files.h"

namespace kolven {

// What "kolven --check" tells a technician: which interval file the program
// would use and how many intervals it holds, or where it looked in vain.
struct IntervalFileCheck {
    bool usable = false;
    std::string message;  // one line, in French, ending with a line break
};

IntervalFileCheck checkIntervalFile(platform::FileSystem& files);

}  // namespace kolven
