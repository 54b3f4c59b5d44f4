#include "core/click_detector.h"

#include <algorithm>
#include <cmath>

namespace kolven {

namespace {

// For Gaussian noise the median of |x| is 0.6745 standard deviations.
constexpr float kMedianToDeviation = 1.0f / 0.6745f;

}  // namespace

ClickDetector::ClickDetector(int sampleRate, int channels)
    : m_sampleRate(std::max(sampleRate, 1)),
      m_channels(std::max(channels, 1)),
      m_deadFrames(std::max<std::int64_t>(1, std::llround(kDeadTime * m_sampleRate))),
      m_calibrationFrames(static_cast<std::size_t>(std::max(1.0, kCalibrationSeconds * m_sampleRate)))
{
    m_calibration.reserve(m_calibrationFrames);
}

void ClickDetector::feed(const float* interleaved, std::size_t frames)
{
    for (std::size_t f = 0; f < frames; ++f) {
        const float* frame = interleaved + f * static_cast<std::size_t>(m_channels);
        // The first frame has nothing before it: it steps by nothing, so that
        // a recording that starts away from zero is no click.
        if (m_previous.empty())
            m_previous.assign(frame, frame + m_channels);
        float step = 0;
        for (int c = 0; c < m_channels; ++c) {
            step = std::max(step, std::fabs(frame[c] - m_previous[static_cast<std::size_t>(c)]));
            m_previous[static_cast<std::size_t>(c)] = frame[c];
        }
        if (m_threshold > 0) {
            scan(step, m_frames);
        } else {
            m_calibration.push_back(step);
            if (m_calibration.size() == m_calibrationFrames)
                calibrate();
        }
        ++m_frames;
    }
}

void ClickDetector::finish()
{
    if (m_threshold == 0 && !m_calibration.empty())
        calibrate();
}

// The noise is measured, then the steps held meanwhile are searched.
void ClickDetector::calibrate()
{
    std::vector<float> sorted = m_calibration;
    const auto middle = sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2);
    std::nth_element(sorted.begin(), middle, sorted.end());
    m_threshold = std::max(kNoiseFactor * kMedianToDeviation * *middle, kLowestThreshold);
    // The calibration is the recording's first frames.
    for (std::size_t i = 0; i < m_calibration.size(); ++i)
        scan(m_calibration[i], static_cast<std::int64_t>(i));
    m_calibration.clear();
    m_calibration.shrink_to_fit();
}

void ClickDetector::scan(float step, std::int64_t frame)
{
    if (frame < m_liveFrom || step <= m_threshold)
        return;
    m_pulses.push_back(frame);
    m_liveFrom = frame + m_deadFrames;
}

std::vector<double> ClickDetector::pulseSeconds() const
{
    std::vector<double> seconds;
    seconds.reserve(m_pulses.size());
    for (std::int64_t p : m_pulses)
        seconds.push_back(static_cast<double>(p) / m_sampleRate);
    return seconds;
}

}  // namespace kolven
