// Simulated counts walked by hand on short streams. Intervals are written in
// time units of TEMPS_S (the stream holds them ×250, as the file does); W is
// the window (TEMPS_S, or twice it for the associations) and W/10 the lead-in.
// Every value below is exact in single precision unless a row says otherwise.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/simulated_count.h"

namespace {

// Interval values held in memory, wrapping to the first at the end as the
// interval file does. Reading more than the limit throws, so that a count
// that never closes fails its test instead of hanging it.
class VectorStream final : public kolven::IntervalSource {
public:
    explicit VectorStream(std::vector<float> values, std::size_t limit = 1000)
        : m_values(std::move(values)), m_limit(limit) {}

    // Up to the end of the vector, or to the limit.
    kolven::IntervalSpan values() override {
        if (m_reads == m_limit)
            throw std::runtime_error("too many values read: the count does not close");
        const std::size_t at = m_reads % m_values.size();
        return {nullptr, &m_values.at(at), std::min(m_values.size() - at, m_limit - m_reads)};
    }
    void consume(std::size_t n) override { m_reads += n; }

    // Values read so far, wraps included.
    std::size_t reads() const { return m_reads; }

private:
    std::vector<float> m_values;
    std::size_t m_limit;
    std::size_t m_reads = 0;
};

// Intervals given in time units of TEMPS_S, as the file holds them (×250).
inline std::vector<float> inFileUnits(std::initializer_list<float> times) {
    std::vector<float> values;
    for (float t : times)
        values.push_back(t * 250.0f);
    return values;
}

struct Walk {
    float A_S = 0, B_S = 0;
    std::string DONNEES_T;
    kolven::CountWalk view() { return {A_S, B_S, DONNEES_T}; }
};

// The values as the file holds them (the stream wraps), the successive counts
// on the same stream and the values all of them consume.
struct Row { const char *name, *origin; float TEMPS_S; std::vector<float> values; std::vector<int> counts;
             std::size_t reads; };

const Row rows[] = {
    // Lead-in ends at 1 > 0.9, first detection at 0.1, then 1.1 … 8.1 counted,
    // 9.1 closes: 10 values per count.
    {"intervals of 250 at TEMPS_S 9 give 9 every count", "EXPERIENCE", 9.0f, {250}, {9, 9, 9}, 30},
    // Lead-in ends at 1 > 0.11: no detection in the window.
    {"TEMPS_S 0.1 under intervals of 250 gives 0 from one value", "EXPERIENCE", 0.1f, {250}, {0, 0, 0}, 3},
    // W 10, lead-in 1: 2 → 1, then 3 5 7 9 counted, 10 closes (10 < 10 is false).
    {"a detection exactly on W closes the window", "EXPERIENCE", 10.0f, inFileUnits({2, 2, 2, 2, 2, 1}), {5}, 6},
    // W 160, lead-in 16: 17 → 1, +158 → 159, + (1 − 2⁻¹⁷) → 160 − 2⁻¹⁷, a tie
    // between two floats that rounds to the even one, 160: the window closes.
    // In double it would stay below 160 and count a third detection.
    {"a window that reaches W only in single precision closes", "EXPERIENCE", 160.0f,
     {17 * 250.0f, 158 * 250.0f, 249.9980926513671875f /* 250 (1 − 2⁻¹⁷) */}, {2}, 3},
    // W 10: a detection at exactly 1 is still in the lead-in; 2 → 1; 10 closes.
    {"a detection exactly at W/10 stays in the lead-in", "EXPERIENCE", 10.0f, inFileUnits({1, 1, 9}), {1}, 3},
    // W 10: 11 is not beyond W + W/10, so the window holds one detection at 10.
    {"a first detection exactly at W + W/10 still counts", "EXPERIENCE", 10.0f, inFileUnits({11, 1}), {1}, 2},
    // W 10. First: 2 → 1, 4, 11 closes → 2. Second starts after the closing
    // value: 0.5 lead-in, 1.5 → 0.5, 10 closes → 1. Third wraps: as the first.
    {"each count goes on after the value that closed the last", "EXPERIENCE", 10.0f,
     inFileUnits({2, 3, 7, 0.5f, 1, 9.5f}), {2, 1, 2}, 9},
    // W 18, lead-in 1.8: 1, 2 → 0.2, then 1.2 … 17.2 counted, 18.2 closes.
    {"the sum of two counts is the count over twice TEMPS_S", "ASSOCIATIONS1", 9.0f, {250}, {18, 18}, 40},
    {"the half-sum of an even sum", "ASSOCIATIONS2", 9.0f, {250}, {9, 9}, 40},
    // Sum 18 as above (20 values), then a window of 9 from the closing
    // detection: 1 … 8 counted, 9 closes (9 values): 18 − 8.
    {"sum minus next count on a regular stream", "ASSOCIATIONS3", 9.0f, {250}, {10, 10}, 58},
    // W 10, lead-in 1: 2 → 1, 4, 7 counted, 11 closes: 3 is odd. The new
    // window opens at that detection without lead-in and without counting it:
    // 4, 9 counted, 10.5 closes: 2 → 1.
    {"an odd sum is thrown away and remade from the closing detection", "ASSOCIATIONS2", 5.0f,
     inFileUnits({2, 3, 3, 4, 4, 5, 1.5f}), {1}, 7},
    // W 10: 2 → 1, 11 closes: sum 1. Next window 5: 1 2 3 counted, 6 closes:
    // 1 − 3 < 0, remade from that detection: 4 8 counted, 12 closes: sum 2;
    // next window 5: 2 counted, 6 closes: 2 − 1.
    {"a negative difference is remade over 2 TEMPS_S then TEMPS_S", "ASSOCIATIONS3", 5.0f,
     inFileUnits({2, 10, 1, 1, 1, 3, 4, 4, 4, 2, 4}), {1}, 11},
    // Sum 1 as above; next window 5: 1 counted, 5 closes: 1 − 1 = 0, kept.
    {"a difference of exactly 0 is kept", "ASSOCIATIONS3", 5.0f, inFileUnits({2, 10, 1, 4}), {0}, 4},
    // 12 is beyond W + W/10 = 11: 0 at once, and no second window is read.
    {"no detection in the sum's window gives 0 without a second phase", "ASSOCIATIONS3", 5.0f,
     inFileUnits({12}), {0, 0}, 2},
};

TEST(SimulatedCount, HandWorkedStreams) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        VectorStream stream(row.values);
        Walk walk{.DONNEES_T = row.origin};
        std::vector<int> counts;
        EXPECT_NO_THROW(for (std::size_t i = 0; i < row.counts.size(); ++i) {
            counts.push_back(kolven::simulatedCount(stream, row.TEMPS_S, walk.view()));
            EXPECT_EQ(walk.DONNEES_T, row.origin) << "after count " << i + 1;
        });
        EXPECT_EQ(std::pair(counts, stream.reads()), std::pair(row.counts, row.reads));
    }
}

// A stream that can never end a count must not freeze the window: the walk
// gives up after a bounded number of values, and a count too large for 16
// bits comes back above the limit instead of wrapping round.
TEST(SimulatedCount, AStreamThatCannotEndACountIsGivenUp) {
    // `count` -1: the walk gives up.
    const struct { const char *name, *origin; float TEMPS_S, interval; int count; } rows[] = {
        {"intervals too small to move time on in single precision", "EXPERIENCE", 9.0f, 0.0001f, -1},
        {"every sum odd, every half-sum window thrown away", "ASSOCIATIONS2", 0.6f, 250.0f, -1},
        // 49 / (0.3 / 250) = 40 833 detections.
        {"a count beyond 16 bits", "EXPERIENCE", 49.0f, 0.3f, 32767},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        VectorStream stream({row.interval}, 2'000'000);
        Walk walk{.DONNEES_T = row.origin};
        if (row.count < 0)
            EXPECT_THROW(kolven::simulatedCount(stream, row.TEMPS_S, walk.view()), kolven::CountNeverEnds);
        else
            EXPECT_EQ(kolven::simulatedCount(stream, row.TEMPS_S, walk.view()), row.count);
    }
}

}  // namespace
