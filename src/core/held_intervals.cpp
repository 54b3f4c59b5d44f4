#include "core/held_intervals.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kolven {

namespace {

// The first chunks are small so that the first count waits for a few
// thousand values, not for a whole chunk; later ones are large so that the
// lock is taken rarely.
constexpr std::size_t kFirstChunk = 1024;
constexpr std::size_t kLargestChunk = std::size_t{1} << 16;

// A value held as whole eighths: the largest that 16 bits hold is 8191.875.
bool isEighths(float value)
{
    const float eighths = value * 8.0f;  // exact: a power of two
    return !std::signbit(value) && eighths <= 65535.0f && eighths == std::floor(eighths);
}

}  // namespace

IntervalChunk::IntervalChunk(std::vector<float> values) : m_size(values.size())
{
    if (std::all_of(values.begin(), values.end(), isEighths)) {
        m_eighths.reserve(values.size());
        for (float v : values)
            m_eighths.push_back(static_cast<std::uint16_t>(v * 8.0f));
    } else {
        m_floats = std::move(values);
    }
}

IntervalSpan IntervalChunk::span() const
{
    if (!m_eighths.empty())
        return {m_eighths.data(), nullptr, m_size};
    return {nullptr, m_floats.data(), m_size};
}

void HeldIntervals::add(std::vector<float> values)
{
    auto chunk = std::make_shared<const IntervalChunk>(std::move(values));
    {
        const std::lock_guard lock(m_mutex);
        m_chunks.push_back(std::move(chunk));
    }
    m_changed.notify_all();
}

void HeldIntervals::finish(IntervalFileFault fault)
{
    {
        const std::lock_guard lock(m_mutex);
        m_ended = true;
        m_fault = fault;
    }
    m_changed.notify_all();
}

void HeldIntervals::doneWithFiles()
{
    {
        const std::lock_guard lock(m_mutex);
        m_doneWithFiles = true;
    }
    m_changed.notify_all();
}

std::shared_ptr<const IntervalChunk> HeldIntervals::chunk(std::size_t k, Seconds wait, bool& ended,
                                                          IntervalFileFault& fault)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, wait, [&] { return k < m_chunks.size() || m_ended; });
    if (k < m_chunks.size())
        return m_chunks[k];
    ended = m_ended;
    fault = m_fault;
    return nullptr;
}

bool HeldIntervals::waitForEnd(Seconds wait)
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, wait, [&] { return m_ended; });
}

bool HeldIntervals::refused() const
{
    const std::lock_guard lock(m_mutex);
    return m_ended && m_fault != IntervalFileFault::None;
}

bool HeldIntervals::abandon(Seconds wait)
{
    m_abandoned.store(true, std::memory_order_relaxed);
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, wait, [&] { return m_doneWithFiles; });
}

void readIntervals(HeldIntervals& held, platform::FileSystem& files, const std::string& path)
{
    std::unique_ptr<platform::NumberReader> reader;
    IntervalFileFault fault = IntervalFileFault::None;
    switch (files.entryKind(path)) {
    case platform::EntryKind::Missing:
        fault = IntervalFileFault::Missing;
        break;
    case platform::EntryKind::Other:
        fault = IntervalFileFault::NotRegular;
        break;
    case platform::EntryKind::EmptyFile:
        fault = IntervalFileFault::Empty;
        break;
    case platform::EntryKind::File:
        reader = files.openNumbers(path);
        if (!reader)
            fault = IntervalFileFault::Unreadable;
        break;
    }
    held.doneWithFiles();
    if (!reader) {
        held.finish(fault);
        return;
    }

    std::vector<float> values;
    std::size_t chunkSize = kFirstChunk;
    values.reserve(chunkSize);
    std::size_t total = 0;
    // Kept in double, as the values come: a value that single precision
    // rounds to 0 still moves time on.
    bool timeGoesBy = false;
    while (total < kMostHeldValues && !held.abandoned()) {
        const auto value = reader->next();
        if (!value || *value < 0)
            break;
        timeGoesBy = timeGoesBy || *value > 0;
        values.push_back(static_cast<float>(*value));
        ++total;
        if (values.size() == chunkSize) {
            held.add(std::move(values));
            chunkSize = std::min(chunkSize * 2, kLargestChunk);
            values = {};
            values.reserve(chunkSize);
        }
    }
    if (!values.empty())
        held.add(std::move(values));
    // Closed before the end is told, so that whoever waits for the end finds
    // the file and its buffer already given back.
    reader.reset();
    held.finish(total == 0 ? IntervalFileFault::NoNumber
                           : timeGoesBy ? IntervalFileFault::None : IntervalFileFault::NoTime);
}

}  // namespace kolven
