#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

using platform::Color;
using platform::rgb;

constexpr Color kBlue = rgb(0, 0, 255), kLightGrey = rgb(224, 224, 224);
constexpr Color kBlack = rgb(0, 0, 0), kGrey = rgb(192, 192, 192);

class OriginMenuTest : public WindowFixture {
protected:
    void SetUp() override { start(); }

    void expectHighlighted(const Control& group, bool highlighted) {
        EXPECT_EQ(std::pair(group.fore(), group.back()),
                  highlighted ? std::pair(kBlue, kLightGrey) : std::pair(kBlack, kGrey)) << group.name();
    }
    void expectChoices(bool theoretical, bool simulation) {
        EXPECT_EQ(std::tuple(window->POISS.visible(), window->GAUSSIEN.visible(), window->ASSOCIATIONS_List.visible()),
                  std::tuple(theoretical, theoretical, simulation));
    }
};

// At start-up the menu is open with no group highlighted; a click without
// passing over first chooses nothing: the origin is taken only by a choice.
TEST_F(OriginMenuTest, ClickOnAGroupChoosesNothing) {
    click(window->THEORIQUE_Label);
    click(window->Label38);
    EXPECT_EQ(window->series.DONNEES_T, "EXPERIENCE");
    EXPECT_FALSE(window->LANCER1.enabled());
    expectHighlighted(window->THEORIQUE_Label, false);
    expectHighlighted(window->Label38, false);
    expectChoices(false, false);
}

// The highlight does its work only on a change: after " Quitter " has hidden
// the theoretical choices, passing over " Théorique " again (still
// highlighted) does not bring them back.
TEST_F(OriginMenuTest, PassingOverAGroupHighlightsItAndSwapsTheChoices) {
    const struct { const char* name; Control KolvenWindow::*control; bool theoretical, theoreticalChoices,
                   simulationChoices; } steps[] = {
        {"over Par Simulation", &KolvenWindow::Label38, false, false, true},
        {"then over Théorique", &KolvenWindow::THEORIQUE_Label, true, true, false},
        {"Quitter hides the choices", &KolvenWindow::FIN, true, false, false},
        {"Théorique again repeats nothing", &KolvenWindow::THEORIQUE_Label, true, false, false},
        {"back over Par Simulation", &KolvenWindow::Label38, false, false, true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        hover((*window).*step.control);
        expectHighlighted(window->THEORIQUE_Label, step.theoretical);
        expectHighlighted(window->Label38, !step.theoretical);
        expectChoices(step.theoreticalChoices, step.simulationChoices);
    }
}

// left = Label38.left + Label38.width / 2 − list.width / 2 in single
// precision, rounded to the nearest, ties to even. The label has 18
// characters, the widest entry 51 plus a frame of 30: with an odd
// character width the left edge falls on a half twip. On 1152 × 864 a
// character is 16.875 × 8 = 135 twips and, with the present layout, the
// edge lands on 5705.5 (to even: up); on 1408 × 1056, 165 twips and
// 6976.5 (to even: down), so neither truncation nor halves up pass both.
TEST_F(OriginMenuTest, AssociationListIsCentredUnderItsGroup) {
    for (const auto& [width, height, left] : {std::tuple{1152, 864, 5706}, std::tuple{1408, 1056, 6976}}) {
        display.widthPixels = width;
        display.heightPixels = height;
        start();
        hover(window->Label38);
        EXPECT_EQ(window->ASSOCIATIONS_List.left(), left) << width;
    }
}

// The highlighted group outlives the menu: reopening shows its choices at once.
TEST_F(OriginMenuTest, HighlightedGroupShowsItsChoicesWhenTheMenuReopens) {
    hover(window->THEORIQUE_Label);
    hover(window->TITRE);
    expectChoices(false, false);
    hover(window->ORIGINE);
    const auto menu = {&window->Label37, &window->THEORIQUE_Label, &window->Label38};
    EXPECT_EQ(hiddenOf(menu), Names{});
    expectHighlighted(window->THEORIQUE_Label, true);
    expectChoices(true, false);
}

// ASSOCIATIONS_List, entries 0 … 3: each choice closes the menu, enables the
// commands, and also empties the series (seeded here) and removes the limit
// message.
TEST_F(OriginMenuTest, EachAssociationSetsItsOriginAndTitleAndErases) {
    const struct { const char *code, *title; } entries[] = {
        {"EXPERIENCE", " Histogramme des comptages crées par simulation "},
        {"ASSOCIATIONS1", " Histogramme de la somme de deux comptages en simulation "},
        {"ASSOCIATIONS2", " Histogramme de la 1/2 somme de deux comptages en simulation "},
        {"ASSOCIATIONS3", " Histogramme de la somme - le comptage suivant en simulation "},
    };
    for (int entry = 0; entry < 4; ++entry) {
        SCOPED_TRACE(entries[entry].code);
        start();
        window->series.HISTO_COMPT[5] = window->series.SN_L = 1;
        window->DEPASSE.show();
        chooseSimulation(entry);
        EXPECT_EQ(std::tuple(window->series.DONNEES_T, seen(window->DISTR_COMPTAGES), window->TEMPS.visible()),
                  std::tuple(entries[entry].code, entries[entry].title, true));
        EXPECT_TRUE(window->DUREES1.enabled() && window->LANCER1.enabled());
        EXPECT_EQ(visibleOf({&window->Label37, &window->ASSOCIATIONS_List, &window->DEPASSE}), Names{});
        EXPECT_EQ(window->series.SN_L + window->series.HISTO_COMPT[5], 0);
    }
}

}  // namespace
}  // namespace kolven::testing
