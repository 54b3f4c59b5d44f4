#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/simulated_count.h"
#include "platform/files.h"

namespace kolven {

// Why an interval file gives no stream to walk.
enum class IntervalFileFault {
    None,
    Missing,      // nothing of that name where it was looked for
    NotRegular,   // a folder, a pipe, a device …
    Empty,        // no byte at all
    NoNumber,     // bytes, but no interval before the first field that is not one
    NoTime,       // intervals that add up to no time
    Unreadable,   // a regular file that cannot be opened
};

// A run of consecutive values, read once and never changed after it is
// handed over. Each chunk keeps the narrower form when all its values allow.
class IntervalChunk {
public:
    explicit IntervalChunk(std::vector<float> values);
    IntervalSpan span() const;
    std::size_t size() const { return m_size; }

private:
    std::vector<std::uint16_t> m_eighths;
    std::vector<float> m_floats;
    std::size_t m_size;
};

// The stream as parsed so far, handed from the thread that reads the file to
// the window's thread: chunks are only ever appended, and a chunk handed over
// is shared, never written again, so the reader of the stream needs the lock
// only to take the next one.
class HeldIntervals {
public:
    using Seconds = std::chrono::duration<double>;

    // The reading side.
    void add(std::vector<float> values);
    void finish(IntervalFileFault fault);
    void doneWithFiles();
    bool abandoned() const { return m_abandoned.load(std::memory_order_relaxed); }

    // The walking side. Chunk k once it is there: null when the stream
    // ended before it (with the fault, None for a stream walked whole) or
    // when it did not come within `wait`.
    std::shared_ptr<const IntervalChunk> chunk(std::size_t k, Seconds wait, bool& ended, IntervalFileFault& fault);
    // True once the whole stream is held (or refused), within `wait`.
    bool waitForEnd(Seconds wait);
    // The reading ended on a refusal of the file.
    bool refused() const;
    // The reading thread is asked to stop; the file service is no longer
    // used once it returns true, or `wait` has gone by.
    bool abandon(Seconds wait);

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::shared_ptr<const IntervalChunk>> m_chunks;
    bool m_ended = false;
    bool m_doneWithFiles = false;
    IntervalFileFault m_fault = IntervalFileFault::None;
    std::atomic<bool> m_abandoned{false};
};

// The most values held: more than twice the supplied file. A longer stream
// is walked over its first kMostHeldValues values, then from its start again.
constexpr std::size_t kMostHeldValues = std::size_t{1} << 25;

// Reads the interval file at `path` into `held`, from its first value up to
// its end or its first field that is not an interval, as the count walks it.
// Runs on a thread of its own; the file service is used only for the opening.
void readIntervals(HeldIntervals& held, platform::FileSystem& files, const std::string& path);

}  // namespace kolven
