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

// The text is kept between writings and only changed lines are rewritten:
// lines that grow or shrink must move everything after them.
TEST(ExportText, FollowsTheHistogramFromOneWritingToTheNext)
{
    const struct {
        const char* name;
        int value;
        std::int32_t counts;
    } steps[] = {
        {"nothing counted yet", 0, 0},
        {"a first count of 9", 9, 1},
        {"bin 9 grows to two digits", 9, 10},
        {"a count at the first value", 0, 1},
        {"a count at the last value", 240, 1},
        {"bin 241 is never written", 241, 9},
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
