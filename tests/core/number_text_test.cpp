// Numbers as the read-outs and labels show them, and as the run reads the
// mean back from its text.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/number_text.h"

namespace {

// The read-outs' form follows the display's decimal separator; the fixed
// form of the mean's read-out and the labels has a point and a blank for the
// sign.
TEST(NumberText, LocaleAndFixedForms)
{
    const struct {
        const char* name;
        std::string got;
        const char* expected;
    } rows[] = {
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

TEST(NumberText, RoundEvenTiesToEven)
{
    const struct {
        const char* name;
        double value;
        double rounded;
    } rows[] = {
        {"0.5 goes down to 0", 0.5, 0},
        {"1.5 goes up to 2", 1.5, 2},
        {"2.5 goes down to 2", 2.5, 2},
        {"-2.5 goes to -2", -2.5, -2},
        {"just above a tie goes up", 2.5000001, 3},
    };
    for (const auto& row : rows)
        EXPECT_EQ(kolven::roundEven(row.value), row.rounded) << row.name;
}

TEST(NumberText, LeadingValueStopsAtTheDecimalComma)
{
    const struct {
        const char* text;
        double value;
    } rows[] = {
        {"3,5", 3}, {"0,5", 0}, {"0,12", 0}, {"240,25", 240}, {"12.75", 12.75}, {"7", 7}, {"0", 0}, {"", 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(kolven::leadingValue(row.text), row.value) << '"' << row.text << '"';
}

}  // namespace
