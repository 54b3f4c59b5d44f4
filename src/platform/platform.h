#pragma once

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/window_system.h"

namespace kolven::platform {

// The services the window stands on.
struct Services {
    WindowSystem& window;
    Clock& clock;
    FileSystem& files;
};

}  // namespace kolven::platform
