#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "shell/pictures/pictures.h"
#include "support/fake_platform.h"

namespace kolven::pictures {
namespace {

using namespace platform;

std::string allText(const Drawing& d)
{
    std::string text;
    for (const Shape& s : d.shapes())
        if (const auto* t = std::get_if<Text>(&s))
            text += t->text + "\n";
    return text;
}

// The page states its content: the title, the mean and the squared mean
// deviation as sums from Nmini to Nmaxi over k, and the limit σ² = Nmoyen;
// every text and line lies inside the page, whatever the fonts measure: a
// box that ran over the edge would be cut on screen.
TEST(StatisticsPage, StatesItsFormulasInsideThePage)
{
    testing::FakeWindowSystem display;
    const Picture page = statisticsPage(display);
    const std::string text = allText(*page);
    for (const char* piece : {"STATISTIQUES SUR LES COMPTAGES", "Nmoyen  =", "i  ×  Eff(i)", "(e.q.m lié à N)",
                              "Eff(i)  ×  [ Nmoyen − i ]", "i = Nmini", "Nmaxi", "σ", "  =  Nmoyen"})
        EXPECT_NE(text.find(piece), std::string::npos) << piece;
    int sums = 0;
    EXPECT_EQ(page->fit(), Fit::KeepAspect);
    const auto inside = [&](double x, double y) {
        return x >= 0 && y >= 0 && x <= page->width() && y <= page->height();
    };
    for (const Shape& s : page->shapes()) {
        if (const auto* t = std::get_if<Text>(&s)) {
            sums += t->text == "Σ";
            EXPECT_TRUE(inside(t->box.left, t->box.top) &&
                        inside(t->box.left + t->box.width, t->box.top + t->box.height))
                << t->text;
            if (t->color == rgb(255, 0, 0)) {
                EXPECT_EQ(t->text, "STATISTIQUES SUR LES COMPTAGES");
            }
        } else if (const auto* l = std::get_if<Polyline>(&s)) {
            for (Point p : l->points)
                EXPECT_TRUE(inside(p.x, p.y)) << p.x << ", " << p.y;
        }
    }
    EXPECT_EQ(sums, 2);
}

}  // namespace
}  // namespace kolven::pictures
