#pragma once

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>

#include "core/held_intervals.h"
#include "core/simulated_count.h"
#include "platform/clock.h"
#include "platform/files.h"

namespace kolven {

constexpr const char* kIntervalFileName = "KOLVEN_11.KVL";

// The interval file cannot give a single interval, and why.
class IntervalFileUnreadable : public std::runtime_error {
public:
    IntervalFileUnreadable(const std::string& path, IntervalFileFault fault)
        : std::runtime_error(path), m_path(path), m_fault(fault)
    {
    }
    const std::string& path() const { return m_path; }
    IntervalFileFault fault() const { return m_fault; }

private:
    std::string m_path;
    IntervalFileFault m_fault;
};

// The interval file walked value by value. It is read once, on a thread of
// its own, into memory as the exact floats the count adds; the walk goes
// back to the first value at the end of the file, or at its first field
// that is not an interval (not a number, or a negative one). Whatever the
// file is (slow, stalled, full of blanks) the walk never waits for it longer
// than a count may last: a count that takes longer than kLongestCount
// seconds gives up, and the reading goes on behind it. A file that gives no
// interval at all, or whose intervals add up to no time at all, throws
// rather than letting a count go round it for ever.
class IntervalFile final : public IntervalSource {
public:
    static constexpr double kLongestCount = 0.25;

    IntervalFile(platform::FileSystem& files, std::string path, const platform::Clock& clock);
    ~IntervalFile() override;
    IntervalFile(const IntervalFile&) = delete;
    IntervalFile& operator=(const IntervalFile&) = delete;

    IntervalSpan values() override;
    void consume(std::size_t n) override { m_position += n; }
    void countStarts() override;
    bool countOverdue() const override;
    // One value, for the values skipped at the opening.
    float next();
    const std::string& path() const { return m_path; }
    // Waits, at most `seconds`, for the whole file to be held: for a
    // measurement or a comparison that must not see the reading.
    bool waitUntilHeld(double seconds);
    // The reading refused the file as it was then: a later look may find it
    // mended.
    bool refused() const { return m_held->refused(); }

private:
    void takeNextChunk();

    std::string m_path;
    const platform::Clock& m_clock;
    std::shared_ptr<HeldIntervals> m_held;
    std::shared_ptr<const IntervalChunk> m_chunk;
    std::size_t m_chunkNumber = 0;
    std::size_t m_position = 0;  // in m_chunk
    double m_countStart = 0;
    std::chrono::steady_clock::time_point m_countStartReal;
};

}  // namespace kolven
