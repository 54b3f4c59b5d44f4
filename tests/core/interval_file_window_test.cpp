// The window's counts on interval files that cannot end them, or that were
// refused and mended since: the count stops with its notice, or counts, and
// the program goes on.

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "core/interval_file.h"
#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

class IntervalFileWindowTest : public WindowFixture {
protected:
    // The count stopped with the notice that it never ends; the commands are back.
    void expectGivenUp() {
        EXPECT_EQ(std::tuple(window->series.SN_L, window->noticeShown(KolvenWindow::Notice::CountNeverEnds),
                             window->LANCER1.visible() && window->LANCER1.enabled()),
                  std::tuple(0, true, true));
    }
};

// The values skipped at the opening (as many as the time of day's seconds)
// may already take too long, on either stream; the notice names the file
// the count walked.
TEST_F(IntervalFileWindowTest, TheSkipAtTheOpeningGivesUpWithItsNotice) {
    const struct { const char* name; bool classStream; const char* notice; } rows[] = {
        {"supplied", false,
         "  Les intervalles du fichier KOLVEN_11.KVL ne permettent pas de terminer un comptage : comptage arrêté  "},
        {"class's", true,
         "  Les intervalles du fichier KOLVEN_CLASSE.KVL ne permettent pas de terminer un comptage : comptage arrêté  "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        clock.step = 0.001;
        writeIntervals(row.classStream ? "250" : "1e-30 x");
        start();
        if (row.classStream) {
            const auto written = files->classIntervalFile()->write("1e-30\nimpulsions 2\ncadence 1\n");
            ASSERT_EQ(written, platform::WriteOutcome::Written);
            start();  // the class's stream is found at start-up
            pick({&window->DETECTEUR}, window->DETECTEUR_List, 3);
        }
        clock.step = 0.1;
        clock.timeOfDay = 50;
        chooseSimulation();
        run(0);
        expectGivenUp();
        EXPECT_EQ(window->AVIS.caption(), row.notice);
    }
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
    std::optional<double> next() override {
        std::unique_lock lock(m_gate->mutex);
        m_gate->opened.wait(lock, [&] { return m_gate->open; });
        return std::nullopt;
    }

private:
    std::shared_ptr<Gate> m_gate;
};

// The window's thread does not wait on a file that never answers: the count
// stops within the time a count may last, and the window closes without
// waiting for the file.
TEST_F(IntervalFileWindowTest, AFileThatNeverAnswersStopsTheCountWithItsNotice) {
    start();  // no file yet: nothing is read at start-up
    const auto gate = std::make_shared<StalledReader::Gate>();
    files->readerStandIn = [gate] { return std::make_unique<StalledReader>(gate); };
    writeIntervals("250");
    chooseSimulation();
    const auto secondsFor = [](const auto& act) {
        const auto before = std::chrono::steady_clock::now();
        act();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count();
    };
    EXPECT_LT(secondsFor([&] { run(0); }), 4 * IntervalFile::kLongestCount);
    expectGivenUp();
    EXPECT_LT(secondsFor([&] { window.reset(); }), 4 * IntervalFile::kLongestCount);
    {
        const std::lock_guard lock(gate->mutex);
        gate->open = true;
    }
    gate->opened.notify_all();
}

// The file found at start-up is read then; a teacher who replaces a file
// the reading refused (empty, no number, no time) must not be told again of
// the old one at the next press.
TEST_F(IntervalFileWindowTest, AFileRefusedAtStartUpAndMendedSinceIsCountedFrom) {
    for (const char* refused : {"", "abc", "0 0 0"}) {
        writeIntervals(refused);
        start();
        chooseSimulation();
        writeIntervals(intervalText({100, 100, 100, 100}));
        window->mean.TEMPS_S = 1.0f;
        run(0);
        EXPECT_EQ(std::pair(window->series.SN_L, window->noticeShown(KolvenWindow::Notice::IntervalFile)),
                  std::pair(1, false)) << refused;
    }
}

}  // namespace
}  // namespace kolven::testing
