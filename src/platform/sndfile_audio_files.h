#pragma once

#include <cstdint>

#include "platform/audio_files.h"

namespace kolven::platform {

// Sound files read with libsndfile, which knows their kind from their first
// bytes whatever their name.
class SndfileAudioFiles final : public AudioFiles {
public:
    // An hour and a half of 48 kHz stereo in 16 bits: a class records minutes.
    static constexpr std::int64_t kLargestFile = std::int64_t{1} << 30;

    AudioOpening open(const std::string& path) override;
};

}  // namespace kolven::platform
