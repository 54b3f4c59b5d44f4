#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "shell/page_layout.h"
#include "shell/pictures/pictures.h"
#include "support/fake_platform.h"

namespace kolven::pages {
namespace {

TEST(PageLayout, RowsShareTheRoomThePageLeavesUpToALineEach) {
    const struct { const char* name; std::vector<RowSize> rows; int pageHeight; std::vector<int> tops; } rows[] = {
        // Margin 100, 400 of rows, 400 spare over 3 units: 133.33 a unit;
        // 100 + 200 + 266.67 = 566.67, then + 100 + 133.33 = 800.
        {"a heading takes two units", {{200, 1}, {100, 2}, {100, 1}}, 1000, {100, 567, 800}},
        {"no room left: rows touch", {{200, 1}, {200, 1}}, 500, {100, 300}},
        {"a tall page: one tallest row between rows", {{100, 1}, {100, 1}}, 10000, {50, 250}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(stackRows(row.rows, row.pageHeight), row.tops) << row.name;
}

TEST(PageLayout, AFormulaIsCentredOnItsWidestPart) {
    // The starts of the base, the exponent, the rest and the second exponent.
    const struct { const char* name; FormulaWidths widths; std::vector<int> starts; } rows[] = {
        // The rest ends at 100 + 40 + 300 = 440: left (1000 − 440) / 2 = 280.
        {"the rest is the widest", {100, 40, 300, 120, 20}, {280, 380, 420, 540}},
        // The second exponent ends at 100 + 40 + 100 + 80 = 320: left 340.
        {"the second exponent reaches past the rest", {100, 40, 100, 100, 80}, {340, 440, 480, 580}},
        // A blank of 10 after the exponent: the rest ends at 450, left 275.
        {"a blank parts the exponent from the rest", {100, 40, 300, 120, 20, 10}, {275, 375, 425, 545}},
    };
    for (const auto& row : rows) {
        const FormulaPlaces at = placeFormula(row.widths, 1000);
        EXPECT_EQ((std::vector<int>{at.base, at.exponent, at.rest, at.second}), row.starts) << row.name;
    }
}

// The statistics page states its content: the title, the mean and the
// squared mean deviation as sums from Nmini to Nmaxi over k, and the limit
// σ² = Nmoyen; every text and line lies inside the page, whatever the fonts
// measure: a box that ran over the edge would be cut on screen.
TEST(StatisticsPage, StatesItsFormulasInsideThePage) {
    using namespace platform;
    testing::FakeWindowSystem display;
    const pictures::Picture page = pictures::statisticsPage(display);
    EXPECT_EQ(page->fit(), Fit::KeepAspect);
    const auto inside = [&](double x, double y) {
        return x >= 0 && y >= 0 && x <= page->width() && y <= page->height();
    };
    std::string text;
    int sums = 0;
    for (const Shape& s : page->shapes()) {
        if (const auto* t = std::get_if<Text>(&s)) {
            text += t->text + "\n";
            sums += t->text == "Σ";
            const Box& b = t->box;
            EXPECT_TRUE(inside(b.left, b.top) && inside(b.left + b.width, b.top + b.height)) << t->text;
            EXPECT_TRUE(t->color != rgb(255, 0, 0) || t->text == "STATISTIQUES SUR LES COMPTAGES") << t->text;
        } else if (const auto* l = std::get_if<Polyline>(&s)) {
            for (Point p : l->points)
                EXPECT_TRUE(inside(p.x, p.y)) << p.x << ", " << p.y;
        }
    }
    for (const char* piece : {"STATISTIQUES SUR LES COMPTAGES", "Nmoyen  =", "i  ×  Eff(i)", "(e.q.m lié à N)",
                              "Eff(i)  ×  [ Nmoyen − i ]", "i = Nmini", "Nmaxi", "σ", "  =  Nmoyen"})
        EXPECT_NE(text.find(piece), std::string::npos) << piece;
    EXPECT_EQ(sums, 2);
}

}  // namespace
}  // namespace kolven::pages
