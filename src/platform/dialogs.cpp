#include "platform/platform.h"

namespace kolven::platform {

Dialogs& noDialogs()
{
    static NoDialogs dialogs;
    return dialogs;
}

Clipboard& memoryClipboard()
{
    static MemoryClipboard clipboard;
    return clipboard;
}

}  // namespace kolven::platform
