// The interval file read through the program's own reader: separators,
// wrapping at the end or on text, files that give no number, and files that
// would hang or freeze the program: a named pipe, a huge field, a file of
// one tiny value, a short stretch of values in a large file; and where the
// file is looked for.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "core/interval_file.h"
#include "core/interval_file_location.h"
#include "core/simulated_count.h"
#include "platform/number_stream.h"
#include "platform/posix_files.h"
#include "shell/interval_file_check.h"
#include "support/fake_platform.h"
#include "support/temp_folder.h"

namespace kolven::testing {
namespace {

using platform::PosixFileSystem;

// Real files, counting how often the program opens one for its numbers and
// how many numbers it reads.
class CountingFiles final : public platform::PosixFileSystem {
public:
    using PosixFileSystem::PosixFileSystem;
    std::unique_ptr<platform::NumberReader> openNumbers(const std::string& path) override {
        ++opened;
        auto reader = PosixFileSystem::openNumbers(path);
        return reader ? std::make_unique<Counted>(std::move(reader), reads) : nullptr;
    }
    int opened = 0, reads = 0;

private:
    class Counted final : public platform::NumberReader {
    public:
        Counted(std::unique_ptr<platform::NumberReader> reader, int& reads)
            : m_reader(std::move(reader)), m_reads(reads) {}
        std::optional<double> next() override {
            ++m_reads;
            return m_reader->next();
        }

    private:
        std::unique_ptr<platform::NumberReader> m_reader;
        int& m_reads;
    };
};

// The interval file read one value at a time straight from the file, as the
// count once read it: at the end, or at a field that is not an interval, the
// file is opened again and read from its first value.
class FileValueByValue final : public IntervalSource {
public:
    FileValueByValue(platform::FileSystem& files, std::string path) : m_files(files), m_path(std::move(path)) {}
    IntervalSpan values() override {
        auto value = m_reader ? m_reader->next() : std::nullopt;
        if (!value || *value < 0) {
            m_reader = m_files.openNumbers(m_path);
            value = m_reader ? m_reader->next() : std::nullopt;
            if (!value)
                throw std::runtime_error("no interval in " + m_path);
        }
        m_value = static_cast<float>(*value);
        return {nullptr, &m_value, 1};
    }
    void consume(std::size_t) override {}

private:
    platform::FileSystem& m_files;
    std::string m_path;
    std::unique_ptr<platform::NumberReader> m_reader;
    float m_value = 0;
};

// Walks both streams count by count: the counts and every variable the
// walk leaves behind must agree.
inline void expectSameCounts(IntervalSource& held, IntervalSource& reference, float TEMPS_S, const char* origin,
                             int counts) {
    float heldA = 0, heldB = 0, refA = 0, refB = 0;
    std::string heldCode = origin, refCode = origin;
    for (int i = 0; i < counts; ++i) {
        const int expected = simulatedCount(reference, TEMPS_S, {refA, refB, refCode});
        const int got = simulatedCount(held, TEMPS_S, {heldA, heldB, heldCode});
        if (got != expected || heldA != refA || heldB != refB || heldCode != refCode) {
            ADD_FAILURE() << "count " << i + 1 << ": " << got << " against " << expected << ", A_S " << heldA
                          << " against " << refA << ", B_S " << heldB << " against " << refB;
            return;
        }
    }
}

// Real files in a folder of the test's own. The clock does not move unless a
// test says so: then only the number of values read can end a count.
template <class Files = PosixFileSystem>
class FileTest : public ::testing::Test {
protected:
    std::string write(const std::string& text) { return folder.write(kIntervalFileName, text); }
    // A file of `size` bytes that starts with `start`, the rest a hole that
    // reads as zero bytes and takes no room on the disk.
    std::string sparse(const std::string& start, off_t size) {
        const std::string path = write(start);
        EXPECT_EQ(::truncate(path.c_str(), size), 0);
        return path;
    }
    // One count as the window makes it, from the given origin.
    int count(IntervalSource& file, float mean, const char* origin = "EXPERIENCE") {
        std::string DONNEES_T = origin;
        return simulatedCount(file, mean, {A_S, B_S, DONNEES_T});
    }

    test::TempFolder folder;
    Files files{folder.path(), folder.path()};
    FakeClock clock{0};
    float A_S = 0, B_S = 0;
};
using IntervalFileTest = FileTest<>;
using CountedIntervalFileTest = FileTest<CountingFiles>;

// Separators and values cut across reads are the number stream's own tests;
// here, what the interval file makes of what it reads: its first reads, wraps
// included, or none when it holds no interval at all and throws rather than
// loops. Missing, empty and text-only files are refused with their notice in
// the window's test of a bad interval file.
TEST_F(IntervalFileTest, ReadsValuesAndWrapsOrThrowsWithoutAnInterval) {
    const struct { const char* name; std::string contents; std::vector<float> values; } rows[] = {
        {"blanks between values, back to the first at the end", "250 500 750", {250, 500, 750, 250, 500}},
        {"text after some values sends reading back to the first", "1 2 x 3", {1, 2, 1, 2, 1}},
        {"a value followed by letters is text", "5 12a 6", {5, 5, 5}},
        {"a negative value is no interval", "1 2 -3 4", {1, 2, 1, 2}},
        {"zero intervals among others are kept", "0 250", {0, 250, 0}},
        {"separators only", " \r\n,, \t\n", {}},
        {"text before the numbers", "x 1 2", {}},
        {"negative intervals only", "-250 -250", {}},
        {"intervals that add up to no time", "0 0 0.000", {}},
    };
    for (const auto& row : rows) {
        std::vector<float> read;
        bool threw = false;
        try {
            IntervalFile file(files, write(row.contents), clock);
            for (std::size_t i = 0; i < std::max<std::size_t>(row.values.size(), 10); ++i)
                read.push_back(file.next());
            read.resize(row.values.size());
        } catch (const IntervalFileUnreadable&) {
            threw = true;
        }
        EXPECT_EQ(std::pair(threw ? std::vector<float>{} : read, threw), std::pair(row.values, row.values.empty()))
            << row.name;
    }
}

// Whatever the file, a count ends or gives up soon, and the file is not
// opened again for every value.
TEST_F(CountedIntervalFileTest, CountsOnFilesThatCannotEndThemGiveUpSoon) {
    // The file's first bytes, its size (zero bytes after the start), whether
    // the clock moves a millisecond at each reading and whether the count ends.
    const struct { const char* name; std::string start; off_t size; const char* origin; float mean;
                   bool clockMoves, ends; int mostOpenings; } rows[] = {
        // A value too small to move time on in single precision: every
        // value read comes from the one opening of the file.
        {"one tiny value", "1e-300", 6, "EXPERIENCE", 9.0f, false, false, 1},
        // 680,000 values in the window: a count far above the limit, read
        // without opening the file again.
        {"one small value, sums at the largest mean", "0.125", 5, "ASSOCIATIONS1", 170.0f, false, true, 1},
        // Two values, then text: a large file read again from its start
        // every two values, until the clock says the count is too long.
        {"a short stretch of values in a large file", "1e-30 x", 5 << 20, "EXPERIENCE", 9.0f, true, false, 400},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        files.opened = 0;
        A_S = B_S = 0;
        clock.step = row.clockMoves ? 0.001 : 0;
        IntervalFile file(files, sparse(row.start, row.size), clock);
        if (row.ends)
            EXPECT_GT(count(file, row.mean, row.origin), 240);
        else
            EXPECT_THROW(count(file, row.mean, row.origin), CountNeverEnds);
        EXPECT_LE(files.opened, row.mostOpenings);
    }
}

// A tiny value, then text: the stream is that one value, held in memory. A
// clock a tenth of a second on at each reading gives the count up at its
// first look at the clock, and the file is not read again for it; the next
// count gives up the same way: the file is not said to be unreadable.
TEST_F(CountedIntervalFileTest, AHeldStreamIsTimedWithoutReadingTheFileAgain) {
    clock.step = 0.1;
    IntervalFile file(files, write("1e-30 x"), clock);
    ASSERT_TRUE(file.waitUntilHeld(60));
    files.reads = 0;
    EXPECT_THROW(count(file, 9.0f), CountNeverEnds);
    EXPECT_EQ(files.reads, 0);
    EXPECT_THROW(count(file, 9.0f), CountNeverEnds);
}

// A named pipe opened for reading waits for a writer that never comes. The
// file is read once: a pipe put in its place afterwards is never opened.
TEST_F(IntervalFileTest, ANamedPipeIsNoIntervalFile) {
    const std::string pipe = folder.file("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    try {
        IntervalFile(files, pipe, clock).next();
        ADD_FAILURE() << "a pipe gave an interval";
    } catch (const IntervalFileUnreadable& refusal) {
        EXPECT_EQ(refusal.fault(), IntervalFileFault::NotRegular);
    }
    const std::string path = sparse("250 x", PosixFileSystem::kHeldInMemory + 1);
    IntervalFile file(files, path, clock);
    EXPECT_EQ(file.next(), 250);
    std::filesystem::rename(pipe, path);
    EXPECT_EQ(file.next(), 250);
}

// A file with no separator is one field: it is no number, and it is not
// gathered into memory to find that out.
TEST_F(IntervalFileTest, AHugeFieldIsNotGathered) {
    const auto peakResidentKilobytes = [] {
        rusage usage{};
        ::getrusage(RUSAGE_SELF, &usage);
        return usage.ru_maxrss;
    };
    const long before = peakResidentKilobytes();
    const std::string path = sparse("250", off_t{300} << 20);
    const auto readOne = [&] {
        IntervalFile file(files, path, clock);
        ASSERT_TRUE(file.waitUntilHeld(60));
        file.next();
    };
    EXPECT_THROW(readOne(), IntervalFileUnreadable);
    EXPECT_LT(peakResidentKilobytes() - before, 64 * 1024);
}

// Values that are not eighths, and one beyond what 16 bits of eighths hold,
// among eighths, over several of the chunks the stream is held in: the held
// stream counts as the file read value by value, past a wrap.
TEST_F(IntervalFileTest, HeldValuesCountAsTheFileReadValueByValue) {
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
    const std::string path = write(text);
    IntervalFile held(files, path, clock);
    ASSERT_TRUE(held.waitUntilHeld(60));
    FileValueByValue reference(files, path);
    expectSameCounts(held, reference, 9.0f, "EXPERIENCE", 1500);
    expectSameCounts(held, reference, 36.0f, "ASSOCIATIONS3", 300);
}

// Bytes made as they are asked for, without a disk: a value, then just under
// the longest run of blanks that still counts as a gap, again and again.
class ValuesBehindGaps final : public platform::ByteSource {
public:
    std::size_t read(char* into, std::size_t most) override {
        for (std::size_t i = 0; i < most; ++i, m_at = (m_at + 1) % platform::NumberStream::kLongestGap)
            into[i] = m_at < 3 ? "250"[m_at] : ' ';
        return most;
    }

private:
    std::size_t m_at = 0;
};

class GappedFiles final : public PosixFileSystem {
public:
    using PosixFileSystem::PosixFileSystem;
    std::unique_ptr<platform::NumberReader> openNumbers(const std::string&) override {
        return std::make_unique<platform::NumberStream>(std::make_unique<ValuesBehindGaps>());
    }
};
using GappedIntervalFileTest = FileTest<GappedFiles>;

// A count at the largest mean needs some 190 values, here some 3 GB of
// blanks: it gives up within the time a count may last, even when the clock
// it is given does not move, and the values read so far stay for the next.
TEST_F(GappedIntervalFileTest, ValuesBehindLongGapsGiveTheCountUpInTime) {
    IntervalFile file(files, write("250"), clock);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_THROW(count(file, 170.0f), CountNeverEnds);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took.count(), 4 * IntervalFile::kLongestCount);
}


// An installation in a folder of its own: <root>/work is the working folder,
// <root>/usr/bin the program's, <root>/usr/share/kolven the data folder.
class Installation {
public:
    enum Where { Work, Program, Data };

    Installation() {
        for (Where w : {Work, Program, Data})
            std::filesystem::create_directories(folder(w));
    }
    std::string folder(Where where) const {
        static const char* const names[] = {"work", "usr/bin", "usr/share/kolven"};
        return m_root.file(names[where]);
    }
    std::string file(Where where) const { return folder(where) + '/' + kIntervalFileName; }
    void put(Where where, const std::string& text) const { m_root.write(relative(where), text); }
    void putFolder(Where where) const { std::filesystem::create_directory(file(where)); }
    TestFileSystem files() const { return TestFileSystem("", folder(Work), folder(Program)); }

private:
    std::string relative(Where where) const { return file(where).substr(m_root.path().size() + 1); }
    test::TempFolder m_root;
};

// The working folder first, then beside the program, then the data folder
// of an installation, named without ".."; a folder that bears the file's
// name is not the file.
TEST(IntervalFileLocation, TheFirstFolderThatHoldsTheFileWins) {
    using W = Installation::Where;
    // `found`: a Where, or -1: nowhere.
    const struct { const char* name; bool inWork, inProgram, inData, dataIsAFolder; int found; } rows[] = {
        {"everywhere: the working folder's", true, true, true, false, W::Work},
        {"beside the program and installed: beside the program", false, true, true, false, W::Program},
        {"installed only: the data folder", false, false, true, false, W::Data},
        {"working folder and data folder: the working folder's", true, false, true, false, W::Work},
        {"nowhere", false, false, false, false, -1},
        {"a folder of that name in the data folder", false, false, false, true, -1},
    };
    for (const auto& row : rows) {
        const Installation install;
        for (auto [present, where] : {std::pair{row.inWork, W::Work}, {row.inProgram, W::Program}, {row.inData, W::Data}})
            if (present)
                install.put(where, "250");
        if (row.dataIsAFolder)
            install.putFolder(W::Data);
        const std::string expected = row.found < 0 ? "" : install.file(static_cast<W>(row.found));
        EXPECT_EQ(locateIntervalFile(install.files()), expected) << row.name;
    }
}

// What a technician reads from "kolven --check".
TEST(IntervalFileCheck, SaysWhichFileAndHowManyIntervals) {
    using W = Installation::Where;
    const Installation install;
    // Usable or not, and the message.
    const auto check = [&] {
        TestFileSystem files = install.files();
        const auto checked = checkIntervalFile(files);
        return std::pair(checked.usable, checked.message);
    };
    EXPECT_EQ(check(), std::pair(false, std::string(kIntervalFileName) + " introuvable ; cherché dans : " +
                                            install.folder(W::Work) + ", " + install.folder(W::Program) + ", " +
                                            install.folder(W::Data) + "\n"));
    // Something there is not said to be missing.
    install.putFolder(W::Work);
    EXPECT_EQ(check(), std::pair(false, install.file(W::Work) + " n'est pas un fichier ordinaire\n"));
    install.put(W::Data, "");
    EXPECT_EQ(check(), std::pair(false, install.file(W::Data) + " est vide\n"));
    install.put(W::Data, "250.125 12.5 3\n0.125 7\n");
    EXPECT_EQ(check(), std::pair(true, std::string(kIntervalFileName) + " : 5 intervalles lus dans " +
                                           install.file(W::Data) + "\n"));
}

}  // namespace
}  // namespace kolven::testing
