#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace kolven::platform {

// The computer's sound input (microphone or line in), as the detector
// listens to it.
class SoundInput {
public:
    // Samples as they come, in [-1, 1], channels interleaved, handed over on
    // the window's thread.
    using Samples = std::function<void(const float* interleaved, std::size_t frames)>;
    struct Format {
        int sampleRate = 0;
        int channels = 0;
    };

    virtual ~SoundInput() = default;
    // Starts listening and sets the format the samples will come in; the
    // reason in French when no input can be had, empty once listening.
    virtual std::string start(Format& format, Samples samples) = 0;
    virtual void stop() = 0;
};

// A system without sound (a test, a server).
class NoSoundInput final : public SoundInput {
public:
    std::string start(Format&, Samples) override { return "Aucune entrée son sur cet ordinateur"; }
    void stop() override {}
};

}  // namespace kolven::platform
