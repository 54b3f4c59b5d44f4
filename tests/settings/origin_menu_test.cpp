#include <cmath>
#include <string>
#include <vector>

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

    void expectHighlighted(const Control& group, bool highlighted)
    {
        EXPECT_EQ(group.fore(), highlighted ? kBlue : kBlack) << group.name();
        EXPECT_EQ(group.back(), highlighted ? kLightGrey : kGrey) << group.name();
    }
    void expectChoices(bool theoretical, bool simulation)
    {
        EXPECT_EQ(window->POISS.visible(), theoretical);
        EXPECT_EQ(window->GAUSSIEN.visible(), theoretical);
        EXPECT_EQ(window->ASSOCIATIONS_List.visible(), simulation);
    }
};

// At start-up the menu is open with no group highlighted; a click without
// passing over first chooses nothing: the origin is taken only by a choice.
TEST_F(OriginMenuTest, ClickOnAGroupChoosesNothing)
{
    ASSERT_TRUE(window->Label38.visible());
    click(window->THEORIQUE_Label);
    click(window->Label38);
    EXPECT_EQ(window->DONNEES_T, "EXPERIENCE");
    EXPECT_FALSE(window->LANCER1.enabled());
    expectHighlighted(window->THEORIQUE_Label, false);
    expectHighlighted(window->Label38, false);
    expectChoices(false, false);
}

TEST_F(OriginMenuTest, PassingOverAGroupHighlightsItAndSwapsTheChoices)
{
    struct Step {
        const char* name;
        Control KolvenWindow::*group;
        bool theoretical;
    };
    const Step steps[] = {
        {"over Par Simulation", &KolvenWindow::Label38, false},
        {"then over Théorique", &KolvenWindow::THEORIQUE_Label, true},
        {"back over Par Simulation", &KolvenWindow::Label38, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        hover((*window).*step.group);
        expectHighlighted(window->THEORIQUE_Label, step.theoretical);
        expectHighlighted(window->Label38, !step.theoretical);
        expectChoices(step.theoretical, !step.theoretical);
    }
}

// left = Label38.left + Label38.width / 2 − list.width / 2 in single
// precision, rounded to the nearest, ties to even. The label has 18
// characters, the widest entry 51 plus a frame of 30: with an odd
// character width the left edge falls on a half twip. On 1152 × 864 a
// character is 16.875 × 8 = 135 twips and, with the present layout, the
// edge lands on 5705.5 (to even: up); on 1408 × 1056, 165 twips and
// 6976.5 (to even: down), so neither truncation nor halves up pass both.
TEST_F(OriginMenuTest, AssociationListIsCentredUnderItsGroup)
{
    struct Row {
        const char* name;
        int widthPixels, heightPixels;
        bool halfTwip;
    };
    const Row rows[] = {
        {"design screen 1024 × 768", 1024, 768, false},
        {"1152 × 864, a half twip", 1152, 864, true},
        {"1408 × 1056, a half twip", 1408, 1056, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        display.widthPixels = row.widthPixels;
        display.heightPixels = row.heightPixels;
        start();
        const Control& group = window->Label38;
        const Control& list = window->ASSOCIATIONS_List;
        ASSERT_EQ((group.width() - list.width()) % 2 != 0, row.halfTwip);
        hover(group);
        const float left = static_cast<float>(group.left()) + static_cast<float>(group.width()) / 2.0f -
                           static_cast<float>(list.width()) / 2.0f;
        EXPECT_EQ(list.left(), static_cast<int>(std::nearbyint(left)));
        EXPECT_TRUE(list.visible());
    }
}

// The highlight does its work only on a change: after " Quitter " has hidden
// the theoretical choices, passing over " Théorique " again (still
// highlighted) does not bring them back.
TEST_F(OriginMenuTest, PassingAgainOverTheHighlightedGroupRepeatsNothing)
{
    hover(window->THEORIQUE_Label);
    ASSERT_TRUE(window->POISS.visible());
    hover(window->FIN);
    ASSERT_FALSE(window->POISS.visible());
    hover(window->THEORIQUE_Label);
    EXPECT_FALSE(window->POISS.visible());
    EXPECT_FALSE(window->GAUSSIEN.visible());
}

// The highlighted group outlives the menu: reopening shows its choices at
// once, and the mean menu offers its lists only once a group has been
// highlighted. (Nothing the user can reach enables " Moyenne des comptages "
// before that, so it is enabled directly.)
TEST_F(OriginMenuTest, HighlightedGroupDecidesWhatTheMenusShowWhenTheyReopen)
{
    struct Row {
        const char* name;
        Control KolvenWindow::*group;  // null: no group highlighted
        bool theoretical, simulation;
    };
    const Row rows[] = {
        {"no group", nullptr, false, false},
        {"Théorique", &KolvenWindow::THEORIQUE_Label, true, false},
        {"Par Simulation", &KolvenWindow::Label38, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        start();
        if (row.group)
            hover((*window).*row.group);
        hover(window->TITRE);  // closes the menu
        expectChoices(false, false);
        ASSERT_FALSE(window->Label37.visible());

        hover(window->ORIGINE);
        for (const Control* c : {&window->Label37, &window->THEORIQUE_Label, &window->Label38})
            EXPECT_TRUE(c->visible()) << c->name();
        expectHighlighted(window->THEORIQUE_Label, row.theoretical);
        expectHighlighted(window->Label38, row.simulation);
        expectChoices(row.theoretical, row.simulation);

        window->DUREES1.setEnabled(true);
        hover(window->DUREES1);
        EXPECT_EQ(window->Label33.caption(), " Moyenne théorique des comptages ");
        EXPECT_TRUE(window->Label33.visible());
        for (const Control* c : {&window->AUGMENT1, &window->AUGMENT2, &window->VALEUR_A_Label,
                                 &window->VALEUR_A_List, &window->DIMINUE1, &window->DIMINUE2})
            EXPECT_EQ(c->visible(), row.theoretical || row.simulation) << c->name();
    }
}

}  // namespace
}  // namespace kolven::testing
