#include "platform/web/web_files.h"

#include <emscripten.h>

#include <cstdint>
#include <cstdlib>

#include "interval_generator.h"
#include "platform/web/canvas_calls.h"

namespace kolven::platform::web {

namespace {

constexpr const char* kIntervalFile = "/KOLVEN_11.KVL";

// The stream of the interval file, as its text would read.
class GeneratedIntervals final : public NumberReader {
public:
    std::optional<double> next() override
    {
        if (m_left == 0)
            return std::nullopt;
        --m_left;
        return m_generator.next();
    }

private:
    intervals::IntervalGenerator m_generator;
    std::uint64_t m_left = intervals::kDefaultCount;
};

}  // namespace

WriteOutcome PageExportFile::write(std::string_view text)
{
    m_text = std::string(text);
    kolven_export(text.data(), text.size());
    return WriteOutcome::Written;
}

std::unique_ptr<NumberReader> WebFileSystem::openNumbers(const std::string& path)
{
    if (!isFile(path))
        return nullptr;
    return std::make_unique<GeneratedIntervals>();
}

bool WebFileSystem::isFile(const std::string& path) const
{
    return path == kIntervalFile;
}

}  // namespace kolven::platform::web

// The first `count` values of the page's interval stream, in eighths, for
// the check that sets them beside the interval file; the caller frees them.
// Null for a count of none, of more values than the interval file holds
// (a larger one's bytes could wrap around the page's 32-bit sizes), or
// that memory refuses.
extern "C" EMSCRIPTEN_KEEPALIVE std::uint32_t* kolven_interval_eighths(int count)
{
    if (count <= 0 || static_cast<std::uint64_t>(count) > kolven::intervals::kDefaultCount)
        return nullptr;
    auto* values = static_cast<std::uint32_t*>(std::malloc(sizeof(std::uint32_t) * static_cast<std::size_t>(count)));
    if (!values)
        return nullptr;
    kolven::intervals::IntervalGenerator generator;
    for (int i = 0; i < count; ++i)
        values[i] = generator.nextEighths();
    return values;
}
