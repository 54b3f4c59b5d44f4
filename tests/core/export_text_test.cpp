// The export file's bytes: 241 lines " k  n \r\n" for k = 0 … 240.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/export_text.h"

namespace {

// The same text built another way: each number as to_string with its two blanks.
std::string linesFor(const kolven::Histogram& histogram)
{
    std::string text;
    for (int k = 0; k <= 240; ++k)
        text += ' ' + std::to_string(k) + "  " + std::to_string(histogram[k]) + " \r\n";
    return text;
}

TEST(ExportText, EmptyHistogram)
{
    kolven::Histogram histogram{};
    const std::string text = kolven::ExportText().render(histogram);
    // Line k is 7 bytes plus its digits; the digits of 0 … 240 number
    // 10 × 1 + 90 × 2 + 141 × 3 = 613.
    EXPECT_EQ(text.size(), 241u * 7 + 613);
    EXPECT_EQ(text.substr(0, 8), " 0  0 \r\n");
    EXPECT_EQ(text.substr(text.size() - 10), " 240  0 \r\n");
    EXPECT_EQ(text, linesFor(histogram));
}

TEST(ExportText, OneFilledBin)
{
    const struct {
        const char* name;
        int value;
        std::int32_t counts;
        const char* line;
    } rows[] = {
        {"after a first count of 5", 5, 1, " 5  1 \r\n"},
        {"value 7 holding 12 counts", 7, 12, " 7  12 \r\n"},
        {"the last value, 240", 240, 3, " 240  3 \r\n"},
        {"a million counts", 100, 1'000'000, " 100  1000000 \r\n"},
        {"the most a 32-bit bin holds", 0, 2'147'483'647, " 0  2147483647 \r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        kolven::Histogram histogram{};
        histogram[row.value] = row.counts;
        const std::string text = kolven::ExportText().render(histogram);
        EXPECT_NE(text.find(row.line), std::string::npos);
        EXPECT_EQ(text, linesFor(histogram));
    }
}

TEST(ExportText, EntryBeyond240IsNotWritten)
{
    kolven::Histogram histogram{};
    histogram[241] = 9;
    EXPECT_EQ(kolven::ExportText().render(histogram), linesFor(kolven::Histogram{}));
}

// The text is kept between writings and only changed lines are rewritten:
// lines that grow or shrink must move everything after them.
TEST(ExportText, FollowsTheHistogramFromOneWritingToTheNext)
{
    const struct {
        const char* name;
        int value;
        std::int32_t counts;
    } steps[] = {
        {"a first count of 9", 9, 1},
        {"bin 9 grows to two digits", 9, 10},
        {"a count at the first value", 0, 1},
        {"a count at the last value", 240, 1},
        {"bin 9 grows to seven digits", 9, 1'000'000},
        {"bin 9 falls back to nothing", 9, 0},
        {"bin 0 jumps to ten digits", 0, 2'000'000'000},
        {"the longest line: 240 holding the largest count", 240, 2'147'483'647},
    };
    kolven::ExportText exportText;
    kolven::Histogram histogram{};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        histogram[step.value] = step.counts;
        EXPECT_EQ(exportText.render(histogram), linesFor(histogram));
    }
    histogram = {};
    EXPECT_EQ(exportText.render(histogram), linesFor(histogram)) << "after an erase";
    EXPECT_EQ(exportText.render(histogram), linesFor(histogram)) << "two writings in a row";
    // A theoretical build changes every bin at once, lines growing and
    // shrinking side by side.
    for (int k = 0; k <= 240; ++k)
        histogram[k] = k % 3 == 0 ? 7 : k % 3 == 1 ? 123'456 : 0;
    EXPECT_EQ(exportText.render(histogram), linesFor(histogram)) << "every bin at once";
    for (int k = 0; k <= 240; ++k)
        histogram[k] = k % 3 == 0 ? 98'765 : k % 3 == 1 ? 4 : 1'000'000'000;
    EXPECT_EQ(exportText.render(histogram), linesFor(histogram)) << "every bin at once, again";
}

}  // namespace
