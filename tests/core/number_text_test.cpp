// Numbers as the read-outs and labels show them, as the run reads the mean
// back from its text, and the series' mean and mean squared deviation from
// the sums the series keeps.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/number_text.h"
#include "core/series_stats.h"

namespace {

// The read-outs' form follows the display's decimal separator; the fixed
// form of the mean's read-out and the labels has a point and a blank for the
// sign.
TEST(NumberText, LocaleAndFixedForms) {
    const struct { const char* name; std::string got; const char* expected; } rows[] = {
        {"a mean of 5.25 with a decimal comma", kolven::localeText(5.25f, ','), "5,25"},
        {"a whole mean has no separator", kolven::localeText(7.0f, ','), "7"},
        // Written from the float itself, not from its double (0.5699999928…).
        {"the single-precision mean 0.57 stays short", kolven::localeText(0.57f, ','), "0,57"},
        {"large values are written out, without grouping", kolven::localeText(1'000'000.0f, ','), "1000000"},
        {"a point where the locale uses one", kolven::localeText(0.12f, '.'), "0.12"},
        {"a double deviation of 0.22", kolven::localeText(0.22, ','), "0,22"},
        {"a number of counts, without grouping", kolven::localeText(std::int64_t{1'000'000}), "1000000"},
        {"the mean 9 with a blank for its sign", kolven::fixedText(9.0f), " 9"},
        {"the mean 16.7, a point and no trailing digits", kolven::fixedText(16.7f), " 16.7"},
        {"the smallest mean 0.1", kolven::fixedText(0.1f), " 0.1"},
        {"a negative value keeps its minus", kolven::fixedText(-1.5f), "-1.5"},
        {"a double", kolven::fixedText(0.25), " 0.25"},
        {"an integer zero", kolven::fixedText(std::int64_t{0}), " 0"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.got, row.expected) << row.name;
}

TEST(NumberText, RoundEvenTiesToEven) {
    const struct { const char* name; double value, rounded; } rows[] = {
        {"0.5 goes down to 0", 0.5, 0},
        {"1.5 goes up to 2", 1.5, 2},
        {"2.5 goes down to 2", 2.5, 2},
        {"-2.5 goes to -2", -2.5, -2},
        {"just above a tie goes up", 2.5000001, 3},
    };
    for (const auto& row : rows)
        EXPECT_EQ(kolven::roundEven(row.value), row.rounded) << row.name;
}

TEST(NumberText, LeadingValueStopsAtTheDecimalComma) {
    const struct { const char* text; double value; } rows[] = {
        {"3,5", 3}, {"0,5", 0}, {"0,12", 0}, {"240,25", 240}, {"12.75", 12.75}, {"7", 7}, {"0", 0}, {"", 0}};
    for (const auto& row : rows)
        EXPECT_EQ(kolven::leadingValue(row.text), row.value) << '"' << row.text << '"';
}

TEST(SeriesStats, RoundedMean) {
    const struct { const char* name; std::int32_t sum, count; float mean; } rows[] = {
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
    for (const auto& row : rows)
        EXPECT_EQ(kolven::roundedMean(row.sum, row.count), row.mean) << row.name;
}

TEST(SeriesStats, RoundedDeviation) {
    const struct { const char* name; double sumOfSquares; std::int32_t sum, count; double deviation; } rows[] = {
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
    for (const auto& row : rows)
        EXPECT_DOUBLE_EQ(kolven::roundedDeviation(row.sumOfSquares, row.sum, row.count), row.deviation) << row.name;
}

}  // namespace
