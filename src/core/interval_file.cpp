#include "core/interval_file.h"

#include <utility>

namespace kolven {

// The opening and the values skipped after it are timed as a count.
IntervalFile::IntervalFile(platform::FileSystem& files, std::string path, const platform::Clock& clock)
    : m_files(files), m_path(std::move(path)), m_clock(clock), m_countStart(clock.monotonicSeconds())
{
    reopen();
}

void IntervalFile::countStarts()
{
    m_countStart = m_clock.monotonicSeconds();
}

bool IntervalFile::countOverdue() const
{
    return m_clock.monotonicSeconds() - m_countStart > kLongestCount;
}

// A pass over the file may be short in values and long in bytes (a few
// values among blanks, in memory or on the disk), so the clock is asked at
// every pass. A count given up leaves no reader behind: the next one starts
// from a fresh opening, not from a pass already spent.
void IntervalFile::reopen()
{
    if (m_reader && countOverdue()) {
        m_reader.reset();
        throw CountNeverEnds();
    }
    m_timeSinceOpening = 0;
    if (m_reader && m_reader->rewind())
        return;
    m_reader = m_files.openNumbers(m_path);
    if (!m_reader)
        throw IntervalFileUnreadable(m_path);
}

std::optional<float> IntervalFile::read()
{
    const auto value = m_reader->next();
    if (!value || *value < 0)
        return std::nullopt;
    m_timeSinceOpening += *value;
    return static_cast<float>(*value);
}

float IntervalFile::next()
{
    if (!m_reader)
        reopen();
    if (const auto value = read())
        return *value;
    if (m_timeSinceOpening == 0)
        throw IntervalFileUnreadable(m_path);  // a whole pass without time going by
    reopen();
    if (const auto value = read())
        return *value;
    throw IntervalFileUnreadable(m_path);
}

}  // namespace kolven
