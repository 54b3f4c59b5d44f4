#include "core/interval_file.h"

#include <system_error>
#include <thread>
#include <utility>

namespace kolven {

namespace {

// How long the walk waits for the reading at a time before it looks at the
// clock again.
constexpr HeldIntervals::Seconds kWaitSlice{0.001};

}  // namespace

// The opening and the values skipped after it are timed as a count.
IntervalFile::IntervalFile(platform::FileSystem& files, std::string path, const platform::Clock& clock)
    : m_path(std::move(path)), m_clock(clock), m_held(std::make_shared<HeldIntervals>())
{
    countStarts();
    try {
        std::thread([held = m_held, &files, path = m_path] {
            // Out of memory, or a reader that throws: the file is refused
            // rather than the program ended.
            try {
                readIntervals(*held, files, path);
            } catch (...) {
                held->doneWithFiles();
                held->finish(IntervalFileFault::Unreadable);
            }
        }).detach();
    } catch (const std::system_error&) {
        readIntervals(*m_held, files, m_path);  // no thread to be had: read here
    }
}

// A reading still at the opening may be using the file service, which may
// not outlive the window; a reading past it is left to end on its own, so
// that a file that never answers cannot hold the program when it closes.
IntervalFile::~IntervalFile()
{
    m_held->abandon(HeldIntervals::Seconds{kLongestCount});
}

bool IntervalFile::waitUntilHeld(double seconds)
{
    return m_held->waitForEnd(HeldIntervals::Seconds{seconds});
}

void IntervalFile::countStarts()
{
    m_countStart = m_clock.monotonicSeconds();
    m_countStartReal = std::chrono::steady_clock::now();
}

bool IntervalFile::countOverdue() const
{
    return m_clock.monotonicSeconds() - m_countStart > kLongestCount;
}

// Waits for the next chunk a slice at a time, for no longer than the count
// may last, on the given clock or on the machine's own (the given one may be
// a stand-in that does not move).
void IntervalFile::takeNextChunk()
{
    std::size_t k = m_chunk ? m_chunkNumber + 1 : 0;
    for (;;) {
        bool ended = false;
        IntervalFileFault fault = IntervalFileFault::None;
        if (auto chunk = m_held->chunk(k, kWaitSlice, ended, fault)) {
            m_chunk = std::move(chunk);
            m_chunkNumber = k;
            m_position = 0;
            return;
        }
        if (ended) {
            if (fault != IntervalFileFault::None || k == 0)
                throw IntervalFileUnreadable(m_path, k == 0 && fault == IntervalFileFault::None
                                                         ? IntervalFileFault::NoNumber
                                                         : fault);
            k = 0;  // the end of the stream: round again from its first value
            continue;
        }
        const HeldIntervals::Seconds waited = std::chrono::steady_clock::now() - m_countStartReal;
        if (countOverdue() || waited.count() > kLongestCount)
            throw CountNeverEnds();
    }
}

IntervalSpan IntervalFile::values()
{
    if (!m_chunk || m_position == m_chunk->size())
        takeNextChunk();
    IntervalSpan span = m_chunk->span();
    if (span.eighths)
        span.eighths += m_position;
    else
        span.floats += m_position;
    span.size -= m_position;
    return span;
}

float IntervalFile::next()
{
    const IntervalSpan span = values();
    consume(1);
    return span.eighths ? static_cast<float>(span.eighths[0]) * 0.125f : span.floats[0];
}

}  // namespace kolven
