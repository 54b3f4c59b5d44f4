#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/audio_files.h"
#include "platform/files.h"

namespace kolven {

// The largest file of time stamps read: some five million instants.
constexpr std::size_t kLargestTimeStampFile = std::size_t{64} << 20;

// The pulses of a file the user chose, in seconds from its start: a sound
// recording goes through the click detector, anything else is read as time
// stamps. The refusal, in French, says why nothing was taken.
struct PulseImport {
    std::vector<double> seconds;
    std::string refusal;
};

PulseImport importPulses(platform::AudioFiles& audio, const platform::FileSystem& files, const std::string& path);

// Every click of a whole recording.
std::vector<double> detectPulses(platform::AudioReader& recording);

}  // namespace kolven
