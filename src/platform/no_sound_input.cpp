#include "platform/platform.h"

namespace kolven::platform {

SoundInput& noSoundInput()
{
    static NoSoundInput input;
    return input;
}

}  // namespace kolven::platform
