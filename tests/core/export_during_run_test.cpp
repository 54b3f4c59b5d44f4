// The export file as other programs see it while a run writes it: a reader
// polling it finds only whole histograms the run went through, a run
// followed count by count has every count in the file at once, a fast run
// writes it now and then, and the file after a run is exact.

#include <atomic>
#include <cmath>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>

#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

constexpr int kFive = 2, kTenThousand = 12;  // entries of LANCER_N

// Intervals of a steady source, so that the counts vary.
std::vector<double> poissonIntervals(int n) {
    std::mt19937_64 engine(7);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    std::vector<double> values;
    for (int i = 0; i < n; ++i)
        values.push_back(std::round(-250 * std::log(1 - uniform(engine)) * 8) / 8 + 0.125);
    return values;
}

// The file's text for the histogram of the first `n` counts, built
// independently of the program's own writer.
std::string expectedText(const std::vector<int>& counts, std::size_t n) {
    std::vector<int> histogram(241, 0);
    for (std::size_t i = 0; i < n; ++i)
        ++histogram[static_cast<std::size_t>(counts[i])];
    std::string text;
    for (int k = 0; k <= 240; ++k)
        text += ' ' + std::to_string(k) + "  " + std::to_string(histogram[static_cast<std::size_t>(k)]) + " \r\n";
    return text;
}

// The number of counts a text holds, from its 241 lines; -1 when it is not
// 241 lines of a value and its count.
long countsIn(const std::string& text) {
    std::istringstream in(text);
    long total = 0;
    for (long k = 0; k <= 240; ++k) {
        long value = -1, count = -1;
        if (!(in >> value >> count) || value != k || count < 0)
            return -1;
        total += count;
    }
    std::string rest;
    return in >> rest ? -1 : total;
}

class ExportDuringRun : public WindowFixture {
protected:
    // Runs the entry; calls `atYield` with the counts classed so far at each
    // yield.
    void runRecording(int entry, const std::function<void()>& atYield = {}) {
        startSimulation(poissonIntervals(3000));
        display.onYield = [&](int) {
            counts.push_back(window->series.NC_I);
            if (atYield)
                atYield();
        };
        run(entry);
    }

    std::vector<int> counts;  // each count of the run, in order
};

TEST_F(ExportDuringRun, APollingReaderFindsOnlyWholeHistogramsOfTheRun) {
    std::atomic<bool> over{false};
    std::vector<std::string> seen;  // each text the reader found, when it changed
    long reads = 0;
    std::thread reader([&] {
        const std::string path = exportRoot().string() + "/KOLVEN16W/KOLVEN16W.TXT";
        while (!over) {
            std::ifstream in(path, std::ios::binary);
            if (!in)
                continue;  // not made yet
            std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            ++reads;
            if (seen.empty() || text != seen.back())
                seen.push_back(std::move(text));
        }
    });
    runRecording(kTenThousand);
    over = true;
    reader.join();

    ASSERT_EQ(counts.size(), 10000u);
    EXPECT_GT(reads, 0);  // the reader read while the run lasted
    for (const std::string& text : seen) {
        const long n = countsIn(text);
        ASSERT_GE(n, 1) << "not a histogram of 241 lines: " << text.substr(0, 200);
        ASSERT_LE(n, 10000);
        EXPECT_EQ(text, expectedText(counts, static_cast<std::size_t>(n)));
    }
    EXPECT_EQ(exportFile(), expectedText(counts, counts.size()));
}

TEST_F(ExportDuringRun, FollowedCountByCountEveryCountIsInTheFileAtOnce) {
    const struct { const char* name; int entry; bool everyCount; } rows[] = {
        {"five counts, followed count by count", kFive, true},
        {"a hundred counts, written now and then", kHundred, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        counts.clear();
        long behind = 0, written = 0;  // yields where the file lacked a count, or held every count
        runRecording(row.entry, [&] {
            const long n = countsIn(exportFile());
            EXPECT_LE(n, static_cast<long>(counts.size()));
            ++(n == static_cast<long>(counts.size()) ? written : behind);
        });
        // A fast run does not write after every count, nor only at its end.
        EXPECT_TRUE(row.everyCount ? behind == 0 : behind > written && written > 1) << behind << " " << written;
        EXPECT_EQ(exportFile(), expectedText(counts, counts.size()));
    }
}

}  // namespace
}  // namespace kolven::testing
