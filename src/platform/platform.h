#pragma once

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/window_system.h"

namespace kolven::platform {

// Where a window system offers no dialog and no clipboard of its own.
Dialogs& noDialogs();
Clipboard& memoryClipboard();

// The services the window stands on.
struct Services {
    WindowSystem& window;
    Clock& clock;
    FileSystem& files;
    Dialogs& dialogs = noDialogs();
    Clipboard& clipboard = memoryClipboard();
};

}  // namespace kolven::platform
