// The click detector on recordings made here: clicks of three shapes at
// Poisson times over background noise and mains hum, at both usual sample
// rates, in mono and in stereo; noise alone; clicks closer than the dead
// time.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "core/click_detector.h"

namespace {

using kolven::ClickDetector;

constexpr double kPi = 3.14159265358979323846;

struct Recording {
    int rate;
    int channels;
    std::vector<float> samples;  // interleaved
    std::vector<std::int64_t> onsets;
};

// Three loudspeaker clicks, each starting at sample k = 0: a sharp edge
// decaying in 0.1 ms, an inverted edge rising over three samples, a 3 kHz
// ringing decaying in 0.15 ms. None is still above the noise 1 ms later.
float click(int shape, double amplitude, int k, int rate)
{
    const double t = static_cast<double>(k) / rate;
    switch (shape) {
    case 0:
        return static_cast<float>(amplitude * std::exp(-t / 1e-4));
    case 1:
        return static_cast<float>(-amplitude * std::min(1.0, (k + 1) / 3.0) * std::exp(-t / 1e-4));
    default:
        return static_cast<float>(amplitude * std::exp(-t / 1.5e-4) * std::cos(2 * kPi * 3000 * t));
    }
}

// Clicks at `clickRate` a second (none when 0), Gaussian noise and a 50 Hz
// hum; in stereo the right channel hears the click inverted and weaker.
// Explicit onsets, when given, replace the Poisson ones.
//
// A click that starts late in the dead time of the one before rings past
// its end, and whether it then makes a pulse of its own depends on its
// shape: the Poisson clicks leave out those that would start from 0.6 to
// 1.6 ms after the last one counted, so that every click left is plainly
// inside the dead time (and over by its end) or plainly outside it.
Recording record(int rate, int channels, double seconds, double clickRate, double noise, double hum,
                 std::vector<std::int64_t> onsets = {})
{
    std::mt19937_64 random(rate + channels);
    std::normal_distribution<double> gauss(0, noise);
    std::uniform_real_distribution<double> uniform(0, 1);
    Recording r{rate, channels, {}, std::move(onsets)};
    const auto frames = static_cast<std::int64_t>(seconds * rate);
    double counted = -1;
    if (clickRate > 0)
        for (double t = -std::log(1 - uniform(random)) / clickRate; t * rate < frames - 100;
             t += -std::log(1 - uniform(random)) / clickRate) {
            if (counted >= 0 && t - counted >= 0.6e-3 && t - counted < 1.6e-3)
                continue;
            if (counted < 0 || t - counted >= 1.6e-3)
                counted = t;
            r.onsets.push_back(static_cast<std::int64_t>(t * rate));
        }
    std::vector<double> left(static_cast<std::size_t>(frames));
    for (std::size_t i = 0; i < r.onsets.size(); ++i) {
        const double amplitude = 0.5 + 0.4 * uniform(random);
        for (int k = 0; k < rate / 200 && r.onsets[i] + k < frames; ++k)
            left[static_cast<std::size_t>(r.onsets[i] + k)] += click(static_cast<int>(i % 3), amplitude, k, rate);
    }
    for (std::int64_t f = 0; f < frames; ++f) {
        const double mains = hum * std::sin(2 * kPi * 50 * f / rate);
        const double l = left[static_cast<std::size_t>(f)];
        r.samples.push_back(static_cast<float>(l + mains + gauss(random)));
        if (channels == 2)
            r.samples.push_back(static_cast<float>(-0.6 * l + 0.8 * mains + gauss(random)));
    }
    return r;
}

// The pulses a counter with a 1 ms dead time gives for these onsets.
std::vector<std::int64_t> countedOnsets(const Recording& r)
{
    const auto dead = static_cast<std::int64_t>(std::llround(0.001 * r.rate));
    std::vector<std::int64_t> counted;
    for (std::int64_t onset : r.onsets)
        if (counted.empty() || onset - counted.back() >= dead)
            counted.push_back(onset);
    return counted;
}

// Fed in uneven pieces, as a sound card hands them over.
std::vector<std::int64_t> detect(const Recording& r)
{
    ClickDetector detector(r.rate, r.channels);
    const std::size_t frames = r.samples.size() / static_cast<std::size_t>(r.channels);
    for (std::size_t at = 0, piece = 777; at < frames; at += piece, piece = piece * 7 % 4001 + 1)
        detector.feed(r.samples.data() + at * static_cast<std::size_t>(r.channels), std::min(piece, frames - at));
    detector.finish();
    return detector.pulses();
}

TEST(ClickDetector, FindsEveryClickWithinOneSample)
{
    const struct {
        const char* name;
        int rate, channels;
        double clickRate, noise, hum;
    } rows[] = {
        {"44.1 kHz mono, 30 clicks a second", 44100, 1, 30, 0.005, 0.05},
        {"48 kHz mono, strong hum", 48000, 1, 30, 0.005, 0.4},
        {"44.1 kHz stereo", 44100, 2, 30, 0.005, 0.1},
        {"48 kHz stereo, 200 clicks a second: many within the dead time", 48000, 2, 200, 0.005, 0.1},
        {"44.1 kHz mono, louder noise", 44100, 1, 50, 0.01, 0.2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Recording r = record(row.rate, row.channels, 20, row.clickRate, row.noise, row.hum);
        const auto expected = countedOnsets(r);
        const auto found = detect(r);
        ASSERT_EQ(found.size(), expected.size());
        for (std::size_t i = 0; i < found.size(); ++i)
            EXPECT_LE(std::abs(found[i] - expected[i]), 1) << "click " << i << " at " << expected[i];
    }
}

TEST(ClickDetector, NoPulseWithoutClicks)
{
    const struct {
        const char* name;
        int rate, channels;
        double noise, hum;
    } rows[] = {
        {"digital silence", 44100, 1, 0, 0},
        {"noise alone", 48000, 1, 0.02, 0},
        {"noise and strong hum, stereo", 44100, 2, 0.01, 0.5},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(detect(record(row.rate, row.channels, 30, 0, row.noise, row.hum)).empty());
    }
}

TEST(ClickDetector, ClicksCloserThanTheDeadTimeCountOnce)
{
    const struct {
        const char* name;
        int gap;  // samples at 48 kHz; the dead time is 48
        std::size_t pulses;
    } rows[] = {
        {"0.25 ms apart", 12, 1},
        {"0.5 ms apart", 24, 1},
        {"2 ms apart", 96, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(detect(record(48000, 1, 1, 0, 0.005, 0, {30000, 30000 + row.gap})).size(), row.pulses);
    }
}

}  // namespace
