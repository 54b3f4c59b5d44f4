// Pulses imported from sound files of either usual kind, through the
// detector, and from time stamps, which are no sound file.

#include <gtest/gtest.h>

#include <sndfile.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "core/pulse_import.h"
#include "platform/posix_files.h"
#include "platform/sndfile_audio_files.h"
#include "support/temp_folder.h"

namespace {

using namespace kolven;

// 1100 sharp clicks 20 ms apart, the first at 0.5 s, over noise, on every
// channel; written with libsndfile in the given format.
void writeClicks(const std::string& path, int format, int rate, int channels)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    std::mt19937 random(7);
    std::normal_distribution<float> noise(0, 0.003f);
    const int frames = static_cast<int>(22.6 * rate);
    std::vector<float> samples;
    for (int f = 0; f < frames; ++f) {
        const double sinceClick = std::fmod(f / static_cast<double>(rate) - 0.5 + 1.0, 0.02);
        const bool clicking = f >= rate / 2 && f < rate / 2 + 1100 * rate / 50;
        const float click = clicking ? static_cast<float>(0.6 * std::exp(-sinceClick / 1e-4)) : 0.0f;
        for (int c = 0; c < channels; ++c)
            samples.push_back(click + noise(random));
    }
    sf_writef_float(file, samples.data(), frames);
    sf_close(file);
}

TEST(PulseImport, SoundFilesAndTimeStamps)
{
    test::TempFolder folder;
    writeClicks(folder.file("mono.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 1);
    writeClicks(folder.file("stereo.flac"), SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 48000, 2);
    std::string stamps;
    for (int i = 0; i < 1100; ++i)
        stamps += std::to_string(0.5 + 0.02 * i) + "\n";
    folder.write("stamps.txt", stamps);

    platform::SndfileAudioFiles audio;
    platform::PosixFileSystem files(folder.path(), folder.path(), folder.path());
    const struct {
        const char* name;
        const char* file;
        double sample;  // the time of one sample
    } rows[] = {
        {"16-bit WAV, mono, 44.1 kHz", "mono.wav", 1 / 44100.0},
        {"FLAC, stereo, 48 kHz", "stereo.flac", 1 / 48000.0},
        {"time stamps, one a line", "stamps.txt", 1e-9},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const PulseImport imported = importPulses(audio, files, folder.file(row.file));
        EXPECT_EQ(imported.refusal, "");
        ASSERT_EQ(imported.seconds.size(), 1100u);
        for (std::size_t i = 0; i < imported.seconds.size(); ++i)
            ASSERT_NEAR(imported.seconds[i], 0.5 + 0.02 * static_cast<double>(i), row.sample * 1.5) << i;
    }
}

}  // namespace
