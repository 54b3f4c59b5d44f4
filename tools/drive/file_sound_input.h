#pragma once

#include <memory>
#include <string>

#include "platform/audio_files.h"
#include "platform/sound_input.h"

namespace kolven::drive {

// The sound input of a driven window: a sound file stands for the
// microphone. Once the window starts listening, feedToEnd() hands it the
// file a block at a time, letting the window's events run between blocks,
// as a sound card would, only faster. With no file armed there is no sound
// input, as on a machine without one.
class FileSoundInput final : public platform::SoundInput {
public:
    explicit FileSoundInput(platform::AudioFiles& audio) : m_audio(audio) {}

    void arm(std::string path) { m_path = std::move(path); }
    std::string start(Format& format, Samples samples) override;
    void stop() override;
    // False when nothing listens; the reason is then in `problem`.
    bool feedToEnd(std::string& problem);

private:
    platform::AudioFiles& m_audio;
    std::string m_path;
    std::unique_ptr<platform::AudioReader> m_reader;
    Samples m_samples;
};

}  // namespace kolven::drive
