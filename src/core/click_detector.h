#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kolven {

// Finds the clicks of a counter's loudspeaker in a sound recording, one
// pulse each, timed to the sample.
//
// A click is the steepest thing the recording holds: its edge moves the
// signal by a large part of its height from one sample to the next, where
// mains hum or a slow drift moves it by almost nothing (a hum of amplitude A
// at 50 Hz steps by at most A·2π·50/44100 ≈ 0.007 A). So the detector
// watches the step from each sample to the next, on whichever channel steps
// most (a click may be on one channel only, or inverted on the other), and a
// pulse is the first sample whose step rises above a threshold.
//
// The threshold comes from the background noise measured over the first
// quarter of a second: kNoiseFactor times the noise's standard deviation,
// estimated from the median step (median / 0.6745 for Gaussian noise; the
// median is untouched by the few clicks that fall in that time). Gaussian
// noise passes 8 standard deviations about once in 10^15 samples, six
// hours of sound at 48 kHz holding 10^9. A recording of digital silence
// gets kLowestThreshold instead.
//
// After a pulse the detector is dead for kDeadTime (1 ms, rounded to whole
// samples): the ringing of the loudspeaker and the bounces of one click are
// one pulse, and so are two clicks closer than that, as in the counter's own
// dead time.
class ClickDetector {
public:
    static constexpr double kCalibrationSeconds = 0.25;
    static constexpr double kDeadTime = 0.001;
    static constexpr float kNoiseFactor = 8.0f;
    static constexpr float kLowestThreshold = 0.005f;  // of full scale

    ClickDetector(int sampleRate, int channels);

    // Samples in [-1, 1], channels interleaved, in the order recorded.
    void feed(const float* interleaved, std::size_t frames);
    // The recording ended: a recording shorter than the calibration is
    // measured and searched on what there is.
    void finish();

    // The sample number of each pulse, from the recording's first sample.
    const std::vector<std::int64_t>& pulses() const { return m_pulses; }
    // Pulse times in seconds.
    std::vector<double> pulseSeconds() const;
    std::int64_t framesSeen() const { return m_frames; }
    int sampleRate() const { return m_sampleRate; }
    int channels() const { return m_channels; }
    // Zero until the noise is measured.
    float threshold() const { return m_threshold; }

private:
    void calibrate();
    void scan(float step, std::int64_t frame);

    int m_sampleRate;
    int m_channels;
    std::int64_t m_deadFrames;
    std::size_t m_calibrationFrames;
    std::vector<float> m_previous;  // last sample of each channel
    std::vector<float> m_calibration;  // steps held until the noise is known
    float m_threshold = 0;
    std::int64_t m_frames = 0;
    std::int64_t m_liveFrom = 0;  // first frame after the last pulse's dead time
    std::vector<std::int64_t> m_pulses;
};

}  // namespace kolven
