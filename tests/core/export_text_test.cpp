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
    std::string text = "text left from an earlier writing, longer than nothing";
    kolven::exportText(histogram, text);
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
        std::string text;
        kolven::exportText(histogram, text);
        EXPECT_NE(text.find(row.line), std::string::npos);
        EXPECT_EQ(text, linesFor(histogram));
    }
}

TEST(ExportText, EntryBeyond240IsNotWritten)
{
    kolven::Histogram histogram{};
    histogram[241] = 9;
    std::string text;
    kolven::exportText(histogram, text);
    EXPECT_EQ(text, linesFor(kolven::Histogram{}));
}

}  // namespace
