#pragma once

#include <cstdint>
#include <random>

namespace kolven::intervals {

constexpr std::uint64_t kDefaultSeed = 0x4B4F4C56454E3131ULL;  // "KOLVEN11"
constexpr std::uint64_t kDefaultCount = 12'000'000;

// The stream of intervals between detections of a Poisson process, as the
// interval file holds it: each value in whole eighths of 1/250 of the time
// unit, never 0. The same seed gives the same stream with any conforming
// compiler and library (see make_intervals.cpp for the method), so the file
// made at build time and a stream made on the spot agree value for value.
class IntervalGenerator {
public:
    explicit IntervalGenerator(std::uint64_t seed = kDefaultSeed) : m_engine(seed) {}
    std::uint32_t nextEighths();
    // The value the file's text "123.375" reads back as.
    double next() { return nextEighths() * 0.125; }

private:
    std::mt19937_64 m_engine;
};

}  // namespace kolven::intervals
