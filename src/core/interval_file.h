#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "core/simulated_count.h"
#include "platform/clock.h"
#include "platform/files.h"

namespace kolven {

constexpr const char* kIntervalFileName = "KOLVEN_11.KVL";

// The interval file cannot give a single number: missing, empty, or nothing
// but text that is not a number.
class IntervalFileUnreadable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The interval file read value by value. At the end of the file, or on a
// field that is not an interval (not a number, or a negative one), it is
// read again from its first value: a small file kept in memory goes back to
// it, a large one is opened again. A file that gives no interval at all, or
// whose intervals add up to no time at all, throws rather than letting a
// count go round it for ever; so does a count that takes longer than
// kLongestCount seconds of the clock, whatever makes the file so slow.
class IntervalFile final : public IntervalSource {
public:
    static constexpr double kLongestCount = 0.25;

    IntervalFile(platform::FileSystem& files, std::string path, const platform::Clock& clock);
    float next() override;
    void countStarts() override;
    bool countOverdue() const override;
    const std::string& path() const { return m_path; }

private:
    void reopen();
    std::optional<float> read();

    platform::FileSystem& m_files;
    std::string m_path;
    const platform::Clock& m_clock;
    std::unique_ptr<platform::NumberReader> m_reader;
    double m_timeSinceOpening = 0;
    double m_countStart = 0;
};

}  // namespace kolven
