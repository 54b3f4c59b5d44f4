#include "platform/platform.h"

namespace kolven::platform {

namespace {

// A page reads no file of the user's disk: every recording is missing.
class NoAudioFiles final : public AudioFiles {
public:
    AudioOpening open(const std::string&) override { return {AudioFault::Missing, nullptr}; }
};

}  // namespace

AudioFiles& systemAudioFiles()
{
    static NoAudioFiles files;
    return files;
}

}  // namespace kolven::platform
