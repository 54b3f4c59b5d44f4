// Arbitrary bytes as the interval file, read and counted the way the program
// does, from memory. The first four bytes choose the origin of the counts,
// the mean, and the size of the pieces the bytes come in; the rest is the
// file. Two things are checked beyond the sanitizers: the numbers read are
// the same whether the bytes are held whole or come in pieces, and a count
// either ends, with a value of 0 or more and the origin it started with, or
// gives up with one of the program's two exceptions.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "core/interval_file.h"
#include "core/simulated_count.h"
#include "platform/clock.h"
#include "platform/number_stream.h"
#include "support/byte_pieces.h"

namespace {

using namespace kolven;

using kolven::testing::Pieces;

class NoExport final : public platform::ReplacedFile {
public:
    platform::WriteOutcome write(std::string_view) override { return platform::WriteOutcome::Failed; }
    const std::string& path() const override { return m_path; }

private:
    std::string m_path;
};

// The interval file held in memory, as the program holds a small one.
class MemoryFiles final : public platform::FileSystem {
public:
    explicit MemoryFiles(std::string bytes) : m_bytes(std::move(bytes)) {}
    std::unique_ptr<platform::NumberReader> openNumbers(const std::string&) override
    {
        return std::make_unique<platform::NumberStream>(m_bytes);
    }
    bool isFile(const std::string&) const override { return true; }
    std::string workingDirectory() const override { return "."; }
    std::string programDirectory() const override { return "."; }
    platform::ReplacedFile& exportFile() override { return m_export; }

private:
    std::string m_bytes;
    NoExport m_export;
};

// A second at each reading: a count that cannot end gives up at the first
// look at the clock, a few thousand values in, instead of after a million,
// so that the fuzzer keeps its pace.
class HurriedClock final : public platform::Clock {
public:
    double secondsSinceMidnight() const override { return 0; }
    double monotonicSeconds() const override { return m_now += 1.0; }

private:
    mutable double m_now = 0;
};

constexpr const char* kOrigins[] = {"EXPERIENCE", "ASSOCIATIONS1", "ASSOCIATIONS2", "ASSOCIATIONS3"};

void sameNumbersInPieces(const std::string& bytes, std::size_t piece)
{
    platform::NumberStream whole(bytes);
    platform::NumberStream inPieces(std::make_unique<Pieces>(bytes, piece), piece);
    // There are never more fields than bytes; two reads more see the end.
    for (std::size_t i = 0; i < bytes.size() + 2; ++i) {
        const std::optional<double> a = whole.next();
        const std::optional<double> b = inPieces.next();
        if (a != b)
            std::abort();
    }
}

void countAsTheProgramDoes(const std::string& bytes, const char* origin, float mean)
{
    MemoryFiles files(bytes);
    HurriedClock clock;
    IntervalFile intervals(files, kIntervalFileName, clock);
    // The reading thread ends before the input does: one still reading when
    // the fuzzer looks for leaks would hold memory no one else points at.
    struct ReadingEnds {
        IntervalFile& intervals;
        ~ReadingEnds() { intervals.waitUntilHeld(60); }
    } readingEnds{intervals};
    try {
        float A_S = 0, B_S = 0;
        std::string DONNEES_T = origin;
        for (int i = 0; i < 2; ++i) {
            const std::int16_t count = simulatedCount(intervals, mean, {A_S, B_S, DONNEES_T});
            if (count < 0 || DONNEES_T != origin)
                std::abort();
        }
    } catch (const IntervalFileUnreadable&) {
    } catch (const CountNeverEnds&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const char* origin = kOrigins[data[0] % 4];
    // TEMPS_S is one of the means the program offers: 0.1 to 170 by tenths.
    const float mean = static_cast<float>(1 + (data[1] | data[2] << 8) % 1700) / 10.0f;
    const std::size_t piece = 1 + data[3] % 32;
    const std::string bytes(reinterpret_cast<const char*>(data) + 4, size - 4);
    sameNumbersInPieces(bytes, piece);
    countAsTheProgramDoes(bytes, origin, mean);
    return 0;
}
