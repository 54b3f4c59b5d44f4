#pragma once

#include "platform/audio_files.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/sound_input.h"
#include "platform/window_system.h"

namespace kolven::platform {

// Where a window system offers no dialog and no clipboard of its own.
Dialogs& noDialogs();
Clipboard& memoryClipboard();
// Sound files read with libsndfile; no sound input.
AudioFiles& systemAudioFiles();
SoundInput& noSoundInput();

// The services the window stands on.
struct Services {
    WindowSystem& window;
    Clock& clock;
    FileSystem& files;
    Dialogs& dialogs = noDialogs();
    Clipboard& clipboard = memoryClipboard();
    AudioFiles& audio = systemAudioFiles();
    SoundInput& sound = noSoundInput();
};

}  // namespace kolven::platform
