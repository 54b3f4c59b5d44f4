#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "core/simulated_count.h"
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
// opened again and the read made again from its first value. A file that
// gives no interval at all, or whose intervals add up to no time at all,
// throws rather than letting a count go round it for ever.
class IntervalFile final : public IntervalSource {
public:
    IntervalFile(platform::FileSystem& files, std::string path);
    float next() override;
    const std::string& path() const { return m_path; }

private:
    void reopen();
    std::optional<float> read();

    platform::FileSystem& m_files;
    std::string m_path;
    std::unique_ptr<platform::NumberReader> m_reader;
    double m_timeSinceOpening = 0;
};

// Where the interval file is found: the working folder first, then the
// program's own folder. Empty when it is in neither.
std::string findIntervalFile(const platform::FileSystem& files);

}  // namespace kolven
