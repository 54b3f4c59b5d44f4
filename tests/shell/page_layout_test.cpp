#include <gtest/gtest.h>

#include <vector>

#include "shell/page_layout.h"

namespace kolven::pages {
namespace {

TEST(PageLayout, RowsShareTheRoomThePageLeavesUpToALineEach)
{
    const struct {
        const char* name;
        std::vector<RowSize> rows;
        int pageHeight;
        std::vector<int> tops;
    } rows[] = {
        // Margin 100, 400 of rows, 400 spare over 3 units: 133.33 a unit;
        // 100 + 200 + 266.67 = 566.67, then + 100 + 133.33 = 800.
        {"a heading takes two units", {{200, 1}, {100, 2}, {100, 1}}, 1000, {100, 567, 800}},
        {"no room left: rows touch", {{200, 1}, {200, 1}}, 500, {100, 300}},
        {"a tall page: one tallest row between rows", {{100, 1}, {100, 1}}, 10000, {50, 250}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(stackRows(row.rows, row.pageHeight), row.tops);
    }
}

TEST(PageLayout, AFormulaIsCentredOnItsWidestPart)
{
    const struct {
        const char* name;
        FormulaWidths widths;
        std::vector<int> starts;  // base, exponent, rest, second exponent
    } rows[] = {
        // The rest ends at 100 + 40 + 300 = 440: left (1000 − 440) / 2 = 280.
        {"the rest is the widest", {100, 40, 300, 120, 20}, {280, 380, 420, 540}},
        // The second exponent ends at 100 + 40 + 100 + 80 = 320: left 340.
        {"the second exponent reaches past the rest", {100, 40, 100, 100, 80}, {340, 440, 480, 580}},
        // A blank of 10 after the exponent: the rest ends at 450, left 275.
        {"a blank parts the exponent from the rest", {100, 40, 300, 120, 20, 10}, {275, 375, 425, 545}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const FormulaPlaces at = placeFormula(row.widths, 1000);
        EXPECT_EQ((std::vector<int>{at.base, at.exponent, at.rest, at.second}), row.starts);
    }
}

}  // namespace
}  // namespace kolven::pages
