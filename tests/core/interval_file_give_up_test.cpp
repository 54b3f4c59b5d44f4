// A count on an interval file that cannot end it gives up on the clock
// however the file is read: from memory, at the opening's skip, or again
// after a count given up.

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "core/interval_file.h"
#include "support/counting_files.h"
#include "support/temp_folder.h"
#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

// A tiny value, then text: the stream is that one value, held in memory. A
// clock a tenth of a second on at each reading gives the count up at its
// first look at the clock, and the file is not read again for it.
TEST(IntervalFileGiveUp, AHeldStreamIsTimedWithoutReadingTheFileAgain)
{
    test::TempFolder folder;
    CountingFiles files(folder.path(), folder.path());
    FakeClock clock;
    clock.step = 0.1;
    IntervalFile file(files, folder.write(kIntervalFileName, "1e-30 x"), clock);
    ASSERT_TRUE(file.waitUntilHeld(60));
    float A_S = 0, B_S = 0;
    std::string DONNEES_T = "EXPERIENCE";
    files.reads = 0;
    EXPECT_THROW(simulatedCount(file, 9.0f, {A_S, B_S, DONNEES_T}), CountNeverEnds);
    EXPECT_EQ(files.reads, 0);

    // The next count gives up the same way: the file is not said to be
    // unreadable.
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

// A reader whose first read returns only when the test lets it go, as a
// stalled network file does.
class StalledReader final : public platform::NumberReader {
public:
    struct Gate {
        std::mutex mutex;
        std::condition_variable opened;
        bool open = false;
    };
    explicit StalledReader(std::shared_ptr<Gate> gate) : m_gate(std::move(gate)) {}
    std::optional<double> next() override
    {
        std::unique_lock lock(m_gate->mutex);
        m_gate->opened.wait(lock, [&] { return m_gate->open; });
        return std::nullopt;
    }

private:
    std::shared_ptr<Gate> m_gate;
};

// The window's thread does not wait on a file that never answers: the count
// stops with its notice within the time a count may last, the commands come
// back, and the window closes without waiting for the file.
TEST_F(IntervalFileGiveUpWindowTest, AFileThatNeverAnswersStopsTheCountWithItsNotice)
{
    start();  // no file yet: nothing is read at start-up
    const auto gate = std::make_shared<StalledReader::Gate>();
    files->readerStandIn = [gate] { return std::make_unique<StalledReader>(gate); };
    writeIntervals("250");
    chooseSimulation();
    const auto before = std::chrono::steady_clock::now();
    run(0);
    std::chrono::duration<double> took = std::chrono::steady_clock::now() - before;
    EXPECT_LT(took.count(), 4 * IntervalFile::kLongestCount);
    EXPECT_EQ(window->series.SN_L, 0);
    EXPECT_TRUE(window->noticeShown(KolvenWindow::Notice::CountNeverEnds));
    EXPECT_TRUE(window->LANCER1.visible() && window->LANCER1.enabled());

    const auto closing = std::chrono::steady_clock::now();
    window.reset();
    took = std::chrono::steady_clock::now() - closing;
    EXPECT_LT(took.count(), 4 * IntervalFile::kLongestCount);
    {
        const std::lock_guard lock(gate->mutex);
        gate->open = true;
    }
    gate->opened.notify_all();
}

}  // namespace
}  // namespace kolven::testing
