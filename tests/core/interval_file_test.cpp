// The interval file read through the program's own reader: separators,
// wrapping at the end or on text, files that give no number, and files that
// would hang or freeze the program: a named pipe, a huge field, a file of
// one tiny value, a short stretch of values in a large file.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/interval_file.h"
#include "core/simulated_count.h"
#include "platform/number_stream.h"
#include "platform/posix_files.h"
#include "support/counting_files.h"
#include "support/file_value_by_value.h"
#include "support/fake_platform.h"
#include "support/temp_folder.h"

namespace {

using kolven::IntervalFile;
using kolven::testing::CountingFiles;
using kolven::testing::FakeClock;
using kolven::platform::PosixFileSystem;
using kolven::test::TempFolder;

// A monotonic clock that does not move: only the number of values read can
// end a count.
class StillClock final : public kolven::platform::Clock {
public:
    double secondsSinceMidnight() const override { return 0; }
    double monotonicSeconds() const override { return 0; }
};

// A file of `size` bytes that starts with `start`, the rest a hole that
// reads as zero bytes and takes no room on the disk.
std::string sparseFile(const TempFolder& folder, const std::string& start, off_t size)
{
    const std::string path = folder.write(kolven::kIntervalFileName, start);
    if (::truncate(path.c_str(), size) != 0)
        throw std::runtime_error("cannot lengthen " + path);
    return path;
}

long peakResidentKilobytes()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(IntervalFile, ReadsValuesAndWraps)
{
    const struct {
        const char* name;
        std::string contents;
        std::vector<float> values;  // the first reads, wraps included
    } rows[] = {
        // Separators and values cut across reads are the number stream's own
        // tests; here, what the interval file makes of what it reads.
        {"blanks between values, back to the first at the end", "250 500 750", {250, 500, 750, 250, 500}},
        {"text after some values sends reading back to the first", "1 2 x 3", {1, 2, 1, 2, 1}},
        {"a value followed by letters is text", "5 12a 6", {5, 5, 5}},
        {"a negative value is no interval", "1 2 -3 4", {1, 2, 1, 2}},
        {"zero intervals among others are kept", "0 250", {0, 250, 0}},
    };
    TempFolder folder;
    PosixFileSystem files(folder.path(), folder.path());
    StillClock clock;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        IntervalFile file(files, folder.write(kolven::kIntervalFileName, row.contents), clock);
        std::vector<float> read;
        for (std::size_t i = 0; i < row.values.size(); ++i)
            read.push_back(file.next());
        EXPECT_EQ(read, row.values);
    }
}

TEST(IntervalFile, NoIntervalAtAllThrowsRatherThanLoops)
{
    const struct {
        const char* name;
        const char* contents;
    } rows[] = {
        // Missing, empty and text-only files are refused with their notice in
        // the window's test of a bad interval file.
        {"separators only", " \r\n,, \t\n"},
        {"text before the numbers", "x 1 2"},
        {"negative intervals only", "-250 -250"},
        {"intervals that add up to no time", "0 0 0.000"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        PosixFileSystem files(folder.path(), folder.path());
        StillClock clock;
        const std::string path = folder.write(kolven::kIntervalFileName, row.contents);
        EXPECT_THROW(
            {
                IntervalFile file(files, path, clock);
                for (int i = 0; i < 10; ++i)
                    file.next();
            },
            kolven::IntervalFileUnreadable);
    }
}

// Whatever the file, a count ends or gives up soon, and the file is not
// opened again for every value.
TEST(IntervalFile, CountsOnFilesThatCannotEndThemGiveUpSoon)
{
    enum Ending { Value, NeverEnds };
    const struct {
        const char* name;
        std::string start;  // the file's first bytes
        off_t size;         // the file's size, zero bytes after the start
        const char* origin;
        float mean;
        bool clockMoves;    // a millisecond at each reading
        Ending ending;
        int mostOpenings;
    } rows[] = {
        // A value too small to move time on in single precision: every
        // value read comes from the one opening of the file.
        {"one tiny value", "1e-300", 6, "EXPERIENCE", 9.0f, false, NeverEnds, 1},
        // 680,000 values in the window: a count far above the limit,
        // read without opening the file again.
        {"one small value, sums at the largest mean", "0.125", 5, "ASSOCIATIONS1", 170.0f, false, Value, 1},
        // Two values, then text: a large file read again from its start
        // every two values, until the clock says the count is too long.
        {"a short stretch of values in a large file", "1e-30 x", 5 << 20, "EXPERIENCE", 9.0f, true, NeverEnds, 400},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        CountingFiles files(folder.path(), folder.path());
        FakeClock clock;
        clock.step = row.clockMoves ? 0.001 : 0;
        IntervalFile file(files, sparseFile(folder, row.start, row.size), clock);
        float A_S = 0, B_S = 0;
        std::string DONNEES_T = row.origin;
        if (row.ending == NeverEnds)
            EXPECT_THROW(kolven::simulatedCount(file, row.mean, {A_S, B_S, DONNEES_T}), kolven::CountNeverEnds);
        else
            EXPECT_GT(kolven::simulatedCount(file, row.mean, {A_S, B_S, DONNEES_T}), 240);
        EXPECT_LE(files.opened, row.mostOpenings);
    }
}

// A named pipe opened for reading waits for a writer that never comes. The
// file is read once: a pipe put in its place afterwards is never opened.
TEST(IntervalFile, ANamedPipeIsNoIntervalFile)
{
    TempFolder folder;
    PosixFileSystem files(folder.path(), folder.path());
    StillClock clock;
    const std::string pipe = folder.file("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    try {
        IntervalFile file(files, pipe, clock);
        file.next();
        ADD_FAILURE() << "a pipe gave an interval";
    } catch (const kolven::IntervalFileUnreadable& refusal) {
        EXPECT_EQ(refusal.fault(), kolven::IntervalFileFault::NotRegular);
    }

    const std::string path = sparseFile(folder, "250 x", PosixFileSystem::kHeldInMemory + 1);
    IntervalFile file(files, path, clock);
    EXPECT_EQ(file.next(), 250);
    std::filesystem::rename(pipe, path);
    EXPECT_EQ(file.next(), 250);
}

// A file with no separator is one field: it is no number, and it is not
// gathered into memory to find that out.
TEST(IntervalFile, AHugeFieldIsNotGathered)
{
    TempFolder folder;
    PosixFileSystem files(folder.path(), folder.path());
    StillClock clock;
    const long before = peakResidentKilobytes();
    const std::string path = sparseFile(folder, "250", off_t{300} << 20);
    EXPECT_THROW(
        {
            IntervalFile file(files, path, clock);
            ASSERT_TRUE(file.waitUntilHeld(60));
            file.next();
        },
        kolven::IntervalFileUnreadable);
    EXPECT_LT(peakResidentKilobytes() - before, 64 * 1024);
}

// Values that are not eighths, and one beyond what 16 bits of eighths hold,
// among eighths, over several of the chunks the stream is held in: the held
// stream counts as the file read value by value, past a wrap.
TEST(IntervalFile, HeldValuesCountAsTheFileReadValueByValue)
{
    std::string text;
    for (int i = 0; i < 6000; ++i) {
        const int k = (i * 7919) % 4001 + 1;
        char value[32];
        if (i == 1500)
            std::snprintf(value, sizeof value, "9000.5 ");  // past 65535 eighths
        else if (i < 3000)
            std::snprintf(value, sizeof value, "%.3f ", k / 8.0);
        else
            std::snprintf(value, sizeof value, "%.2f ", k * 0.13);  // hundredths, not exact in binary
        text += value;
    }
    TempFolder folder;
    PosixFileSystem files(folder.path(), folder.path());
    StillClock clock;
    const std::string path = folder.write(kolven::kIntervalFileName, text);
    IntervalFile held(files, path, clock);
    ASSERT_TRUE(held.waitUntilHeld(60));
    kolven::test::FileValueByValue reference(files, path);
    kolven::test::expectSameCounts(held, reference, 9.0f, "EXPERIENCE", 1500);
    kolven::test::expectSameCounts(held, reference, 36.0f, "ASSOCIATIONS3", 300);
}

// Bytes made as they are asked for, without a disk: a value, then just under
// the longest run of blanks that still counts as a gap, again and again.
class ValuesBehindGaps final : public kolven::platform::ByteSource {
public:
    std::size_t read(char* into, std::size_t most) override
    {
        for (std::size_t i = 0; i < most; ++i, m_at = (m_at + 1) % kPeriod)
            into[i] = m_at < 3 ? "250"[m_at] : ' ';
        return most;
    }

private:
    static constexpr std::size_t kPeriod = kolven::platform::NumberStream::kLongestGap;
    std::size_t m_at = 0;
};

class GappedFiles final : public PosixFileSystem {
public:
    using PosixFileSystem::PosixFileSystem;
    std::unique_ptr<kolven::platform::NumberReader> openNumbers(const std::string&) override
    {
        return std::make_unique<kolven::platform::NumberStream>(std::make_unique<ValuesBehindGaps>());
    }
};

// A count at the largest mean needs some 190 values, here some 3 GB of
// blanks: it gives up within the time a count may last, even when the clock
// it is given does not move, and the values read so far stay for the next.
TEST(IntervalFile, ValuesBehindLongGapsGiveTheCountUpInTime)
{
    TempFolder folder;
    GappedFiles files(folder.path(), folder.path());
    StillClock clock;
    IntervalFile file(files, folder.write(kolven::kIntervalFileName, "250"), clock);
    float A_S = 0, B_S = 0;
    std::string DONNEES_T = "EXPERIENCE";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_THROW(kolven::simulatedCount(file, 170.0f, {A_S, B_S, DONNEES_T}), kolven::CountNeverEnds);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took.count(), 4 * IntervalFile::kLongestCount);
}

}  // namespace
