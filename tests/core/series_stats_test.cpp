// The series' mean and mean squared deviation, from the sums the series keeps.

#include <gtest/gtest.h>

#include <cstdint>

#include "core/series_stats.h"

namespace {

struct MeanRow {
    const char* name;
    std::int32_t sum;
    std::int32_t count;
    float mean;
};

const MeanRow meanRows[] = {
    {"one count of 7", 7, 1, 7.0f},
    {"three and four", 7, 2, 3.5f},
    {"a third rounds down to 0.33", 1, 3, 0.33f},
    {"two thirds rounds up to 0.67", 2, 3, 0.67f},
    // 0.575 in double is just below it: × 100 gives 57.4999…, not the tie 57.5.
    {"23 over 40: the mean is taken before the × 100", 23, 40, 0.57f},
    {"one 1 among eight: the tie 12.5 goes to the even 12", 1, 8, 0.12f},
    {"three 1 among eight: the tie 37.5 goes to the even 38", 3, 8, 0.38f},
    {"a sum whose hundredfold passes 32 bits", 2'000'000'000, 10'000'000, 200.0f},
};

TEST(SeriesStats, RoundedMean)
{
    for (const MeanRow& row : meanRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(kolven::roundedMean(row.sum, row.count), row.mean);
    }
}

struct DeviationRow {
    const char* name;
    double sumOfSquares;
    std::int32_t sum;
    std::int32_t count;
    double deviation;
};

const DeviationRow deviationRows[] = {
    {"one count has no spread", 49, 7, 1, 0.0},
    {"three and four", 25, 7, 2, 0.25},
    // (1 − 1/3) / 3 = 0.2222…
    {"0, 0, 1 rounds to 0.22", 1, 1, 3, 0.22},
    // 1/8 − 1/64 = 7/64 = 0.109375: divided by N, not N − 1 (which gives 0.125).
    {"one 1 among eight: divided by N", 1, 1, 8, 0.11},
    // Thirteen 0 and one each of 1, 2, 5: (30 − 64/16) / 16 = 1.625 exactly.
    {"a tie 162.5 goes to the even 162", 30, 8, 16, 1.62},
    // 500 000 counts of 0 and of 240: S1² = 1.44e16 needs double; 120².
    {"a million counts, S1 squared far past 32 bits", 500'000.0 * 240 * 240, 120'000'000, 1'000'000, 14400.0},
};

TEST(SeriesStats, RoundedDeviation)
{
    for (const DeviationRow& row : deviationRows) {
        SCOPED_TRACE(row.name);
        EXPECT_DOUBLE_EQ(kolven::roundedDeviation(row.sumOfSquares, row.sum, row.count), row.deviation);
    }
}

}  // namespace
