// A count on an interval file that cannot end it gives up on the clock
// however the file is read: from memory, at the opening's skip, or again
// after a count given up.

#include <gtest/gtest.h>

#include <string>

#include "core/interval_file.h"
#include "support/temp_folder.h"
#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

// Counts the values the program reads from the interval file.
class CountingReader final : public platform::NumberReader {
public:
    CountingReader(std::unique_ptr<platform::NumberReader> reader, int& reads) : m_reader(std::move(reader)), m_reads(reads) {}
    std::optional<double> next() override
    {
        ++m_reads;
        return m_reader->next();
    }
    bool rewind() override { return m_reader->rewind(); }

private:
    std::unique_ptr<platform::NumberReader> m_reader;
    int& m_reads;
};

class CountingReads final : public platform::PosixFileSystem {
public:
    using PosixFileSystem::PosixFileSystem;
    std::unique_ptr<platform::NumberReader> openNumbers(const std::string& path) override
    {
        auto reader = PosixFileSystem::openNumbers(path);
        return reader ? std::make_unique<CountingReader>(std::move(reader), reads) : nullptr;
    }
    int reads = 0;
};

// A tiny value, then text: a small file kept in memory goes round every
// value. A clock a tenth of a second on at each reading gives the count up
// within a few passes, not after the next thousand values.
TEST(IntervalFileGiveUp, AFileKeptInMemoryIsTimedAtEveryPass)
{
    test::TempFolder folder;
    CountingReads files(folder.path(), folder.path());
    FakeClock clock;
    clock.step = 0.1;
    IntervalFile file(files, folder.write(kIntervalFileName, "1e-30 x"), clock);
    float A_S = 0, B_S = 0;
    std::string DONNEES_T = "EXPERIENCE";
    files.reads = 0;
    EXPECT_THROW(simulatedCount(file, 9.0f, {A_S, B_S, DONNEES_T}), CountNeverEnds);
    EXPECT_LT(files.reads, 20);

    // The next count starts afresh rather than on a spent pass, and gives
    // up the same way: the file is not said to be unreadable.
    EXPECT_THROW(simulatedCount(file, 9.0f, {A_S, B_S, DONNEES_T}), CountNeverEnds);
}

class IntervalFileGiveUpWindowTest : public WindowFixture {};

// The values skipped at the opening (as many as the time of day's seconds)
// may already take too long: the count stops with its notice, and the
// program goes on.
TEST_F(IntervalFileGiveUpWindowTest, TheSkipAtTheOpeningGivesUpWithItsNotice)
{
    writeIntervals("1e-30 x");
    start();
    clock.step = 0.1;
    clock.timeOfDay = 50;
    chooseSimulation();
    run(0);
    EXPECT_EQ(window->series.SN_L, 0);
    EXPECT_TRUE(window->noticeShown(KolvenWindow::Notice::CountNeverEnds));
    EXPECT_TRUE(window->LANCER1.visible() && window->LANCER1.enabled());
}

}  // namespace
}  // namespace kolven::testing
