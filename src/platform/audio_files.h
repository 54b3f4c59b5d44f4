#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace kolven::platform {

// Why a file was not opened as a sound recording.
enum class AudioFault {
    None,
    NotAudio,  // a file of some other kind: the caller may read it as text
    Missing,
    Link,
    NotRegular,
    TooLarge,
    Unreadable,
};

// A sound recording read from its start, a block at a time.
class AudioReader {
public:
    virtual ~AudioReader() = default;
    virtual int sampleRate() const = 0;
    virtual int channels() const = 0;
    // Up to `frames` frames, channels interleaved, samples in [-1, 1];
    // 0 at the end.
    virtual std::size_t read(float* interleaved, std::size_t frames) = 0;
};

struct AudioOpening {
    AudioFault fault = AudioFault::None;
    std::unique_ptr<AudioReader> reader;  // set when fault is None
};

// Sound files (WAV, FLAC …) on this system. Like every file the user
// chooses, only a regular file is opened, never through a link, without
// waiting.
class AudioFiles {
public:
    virtual ~AudioFiles() = default;
    virtual AudioOpening open(const std::string& path) = 0;
};

}  // namespace kolven::platform
