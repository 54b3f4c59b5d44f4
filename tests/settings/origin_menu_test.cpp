#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

constexpr platform::Color kBlue = platform::rgb(0, 0, 255), kLightGrey = platform::rgb(224, 224, 224);
constexpr platform::Color kBlack = platform::rgb(0, 0, 0), kGrey = platform::rgb(192, 192, 192);

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

// Entries of AUGMENT2 and DIMINUE2 (steps) and of VALEUR_A_List (values).
constexpr int kStep01 = 0, kStep02 = 1, kStep05 = 2, kStep1 = 3, kStep2 = 4;
constexpr int kSet01 = 0, kSet9 = 3, kSet49 = 7;

class TheoreticalMeanTest : public WindowFixture {
protected:
    // A series of five counts of 9, the mean set to the given tenths, and
    // the mean menu open with its three lists (the simulation group is
    // highlighted).
    void prepare(std::int16_t tenths) {
        startSimulation(std::vector<double>(20, 250));
        run(2);
        ASSERT_EQ(window->series.HISTO_COMPT[9], 5);
        window->mean.TEMPS_I = tenths;
        window->mean.TEMPS_S = tenths / 10.0f;
        hover(window->DUREES1);
    }
};

// The mean in tenths is held between 1 and 1700; each change rewrites the
// read-out in the fixed form and empties the series. A list that would pass
// a bound is hidden.
TEST_F(TheoreticalMeanTest, EachListChangesTheMeanWithinItsBounds) {
    const auto up = &KolvenWindow::AUGMENT2, down = &KolvenWindow::DIMINUE2, set = &KolvenWindow::VALEUR_A_List;
    const struct { const char* name; std::int16_t from; Control KolvenWindow::*list; int entry; std::int16_t tenths;
                   float mean; const char* text; bool increaseShown, decreaseShown; } rows[] = {
        {"169.8 + 0.1 stays below the top", 1698, up, kStep01, 1699, 169.9f, " Moyenne = 169.9 ", true, true},
        {"169.8 + 0.2 lands on 170", 1698, up, kStep02, 1700, 170.0f, " Moyenne = 170 ", false, true},
        {"169.9 + 0.5 stops at 170", 1699, up, kStep05, 1700, 170.0f, " Moyenne = 170 ", false, true},
        {"0.3 − 0.1 stays above the floor", 3, down, kStep01, 2, 0.2f, " Moyenne = 0.2 ", true, true},
        {"1.1 − 1.0 lands on the floor", 11, down, kStep1, 1, 0.1f, " Moyenne = 0.1 ", true, false},
        {"0.5 − 2.0 stops at 0.1", 5, down, kStep2, 1, 0.1f, " Moyenne = 0.1 ", true, false},
        {"set 0.1", 90, set, kSet01, 1, 0.1f, " Moyenne = 0.1 ", true, false},
        {"set 49 from 170", 1700, set, kSet49, 490, 49.0f, " Moyenne = 49 ", true, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        prepare(row.from);
        Control& list = (*window).*row.list;
        ASSERT_TRUE(list.visible());
        window->TEMPS.hide();
        const auto hiddenByAChange = {&window->DEPASSE, &window->F_V_P_Image, &window->F_V_M_Image};
        for (Control* c : hiddenByAChange)
            c->show();
        pick(list, row.entry);
        EXPECT_EQ(std::tuple(window->mean.TEMPS_I, window->mean.TEMPS_S, window->TEMPS.caption()),
                  std::tuple(row.tenths, row.mean, row.text));
        EXPECT_EQ(std::pair(window->AUGMENT2.visible(), window->DIMINUE2.visible()),
                  std::pair(row.increaseShown, row.decreaseShown));
        // Only the set list shows the read-out; a step leaves it as it was.
        // The same entry can be chosen again.
        EXPECT_EQ(std::pair(window->TEMPS.visible(), list.index()), std::pair(row.list == set, -1));
        EXPECT_EQ(visibleOf(hiddenByAChange), Names{});
        EXPECT_EQ((std::pair<int, int>(window->series.SN_L, window->series.HISTO_COMPT[9])), std::pair(0, 0));
    }
}

TEST_F(TheoreticalMeanTest, ClickWithNoEntrySelectedOnlyHidesTheLimitMessage) {
    prepare(90);
    const std::string before = window->TEMPS.caption();
    for (auto handler :
         {&KolvenWindow::AUGMENT2_Click, &KolvenWindow::DIMINUE2_Click, &KolvenWindow::VALEUR_A_List_Click}) {
        window->DEPASSE.show();
        ((*window).*handler)();
        EXPECT_EQ((std::tuple<bool, int, std::string, int>(window->DEPASSE.visible(), window->mean.TEMPS_I,
                                                          window->TEMPS.caption(), window->series.SN_L)),
                  std::tuple(false, 90, before, 5));
    }
}

// The student clicks a step and watches the mean change: the read-out stays
// in sight, with nothing of the open menu over it, after every click.
TEST_F(TheoreticalMeanTest, EveryChangeShowsWhileTheMenuIsOpen) {
    prepare(90);
    const struct { const char* name; Control KolvenWindow::*list; int entry; const char* text; } clicks[] = {
        {"set 49", &KolvenWindow::VALEUR_A_List, kSet49, " Moyenne = 49 "},
        {"+ 2.0", &KolvenWindow::AUGMENT2, kStep2, " Moyenne = 51 "},
        {"− 0.1", &KolvenWindow::DIMINUE2, kStep01, " Moyenne = 50.9 "},
        {"set 9", &KolvenWindow::VALEUR_A_List, kSet9, " Moyenne = 9 "},
    };
    for (const auto& click : clicks) {
        SCOPED_TRACE(click.name);
        pick((*window).*click.list, click.entry);
        ASSERT_TRUE(window->Label33.visible()) << "the menu stays open";
        EXPECT_EQ(std::tuple(window->TEMPS.caption(), window->TEMPS.onScreen(),
                             shownOver(*window, window->TEMPS.windowRect(), &window->TEMPS)),
                  std::tuple(click.text, true, Names{}));
    }
}

}  // namespace
}  // namespace kolven::testing
