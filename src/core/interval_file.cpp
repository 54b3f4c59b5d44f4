#include "core/interval_file.h"

#include <utility>

namespace kolven {

IntervalFile::IntervalFile(platform::FileSystem& files, std::string path)
    : m_files(files), m_path(std::move(path))
{
    reopen();
}

void IntervalFile::reopen()
{
    m_reader = m_files.openNumbers(m_path);
    if (!m_reader)
        throw IntervalFileUnreadable(m_path);
    m_timeSinceOpening = 0;
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
    if (const auto value = read())
        return *value;
    if (m_timeSinceOpening == 0)
        throw IntervalFileUnreadable(m_path);  // a whole pass without time going by
    reopen();
    if (const auto value = read())
        return *value;
    throw IntervalFileUnreadable(m_path);
}

std::string findIntervalFile(const platform::FileSystem& files)
{
    for (const std::string& folder : {files.workingDirectory(), files.programDirectory()}) {
        const std::string path = folder + '/' + kIntervalFileName;
        if (files.isFile(path))
            return path;
    }
    return {};
}

}  // namespace kolven
