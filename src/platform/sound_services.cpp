#include "platform/platform.h"
#include "platform/sndfile_audio_files.h"

namespace kolven::platform {

AudioFiles& systemAudioFiles()
{
    static SndfileAudioFiles files;
    return files;
}

}  // namespace kolven::platform
