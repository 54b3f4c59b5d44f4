#include <cstdint>
#include <string>
#include <vector>

#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

// Entries of AUGMENT2 and DIMINUE2 (steps) and of VALEUR_A_List (values).
constexpr int kStep01 = 0, kStep05 = 2, kStep1 = 3, kStep2 = 4, kStep5 = 5, kStep20 = 7;
constexpr int kSet01 = 0, kSet49 = 7;

class TheoreticalMeanTest : public WindowFixture {
protected:
    // A series of five counts of 9, the mean set to the given tenths, and
    // the mean menu open with its three lists (the simulation group is
    // highlighted).
    void prepare(std::int16_t tenths)
    {
        writeIntervals(intervalText(std::vector<double>(20, 250)));
        start();
        chooseSimulation();
        run(2);
        ASSERT_EQ(window->HISTO_COMPT[9], 5);
        window->TEMPS_I = tenths;
        window->TEMPS_S = tenths / 10.0f;
        hover(window->DUREES1);
    }

    void expectSeriesEmptied()
    {
        EXPECT_EQ(window->SN_L, 0);
        EXPECT_EQ(window->S1_L, 0);
        EXPECT_EQ(window->HISTO_COMPT[9], 0);
        EXPECT_FALSE(window->NOMB_COMPT.visible());
        EXPECT_FALSE(window->EFFACERS.enabled());
        EXPECT_FALSE(window->ANALYSES.enabled());
    }
};

// The mean in tenths is held between 1 and 1700; each change rewrites the
// read-out in the fixed form and empties the series. A mean below 1 may be
// written with or without its leading zero.
TEST_F(TheoreticalMeanTest, EachListChangesTheMeanWithinItsBounds)
{
    struct Row {
        const char* name;
        std::int16_t from;
        Control KolvenWindow::*list;
        int entry;
        std::int16_t tenths;
        float mean;
        const char* text;
        const char* textWithoutZero;
        bool increaseShown, decreaseShown;
    };
    const auto up = &KolvenWindow::AUGMENT2, down = &KolvenWindow::DIMINUE2, set = &KolvenWindow::VALEUR_A_List;
    const Row rows[] = {
        {"12 + 0.5 reads 12.5", 120, up, kStep05, 125, 12.5f, " Moyenne = 12.5 ", nullptr, true, true},
        {"169.8 + 0.1 stays below the top", 1698, up, kStep01, 1699, 169.9f, " Moyenne = 169.9 ", nullptr, true, true},
        {"169.8 + 0.2 lands on 170", 1698, up, kStep01 + 1, 1700, 170.0f, " Moyenne = 170 ", nullptr, false, true},
        {"169.9 + 0.5 stops at 170", 1699, up, kStep05, 1700, 170.0f, " Moyenne = 170 ", nullptr, false, true},
        {"170 + 20 stays at 170", 1700, up, kStep20, 1700, 170.0f, " Moyenne = 170 ", nullptr, false, true},
        {"9 − 5.0", 90, down, kStep5, 40, 4.0f, " Moyenne = 4 ", nullptr, true, true},
        {"0.3 − 0.1 stays above the floor", 3, down, kStep01, 2, 0.2f, " Moyenne = 0.2 ", " Moyenne = .2 ", true,
         true},
        {"1.1 − 1.0 lands on the floor", 11, down, kStep1, 1, 0.1f, " Moyenne = 0.1 ", " Moyenne = .1 ", true, false},
        {"0.5 − 2.0 stops at 0.1", 5, down, kStep2, 1, 0.1f, " Moyenne = 0.1 ", " Moyenne = .1 ", true, false},
        {"set 0.1", 90, set, kSet01, 1, 0.1f, " Moyenne = 0.1 ", " Moyenne = .1 ", true, false},
        {"set 49 from 170", 1700, set, kSet49, 490, 49.0f, " Moyenne = 49 ", nullptr, true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        prepare(row.from);
        Control& list = (*window).*row.list;
        ASSERT_TRUE(list.visible());
        window->TEMPS.hide();
        for (Control* c : {&window->DEPASSE, &window->F_V_P_Image, &window->F_V_M_Image})
            c->show();

        pick(list, row.entry);

        EXPECT_EQ(window->TEMPS_I, row.tenths);
        EXPECT_EQ(window->TEMPS_S, row.mean);
        const std::string& text = window->TEMPS.caption();
        EXPECT_TRUE(text == row.text || (row.textWithoutZero && text == row.textWithoutZero)) << '"' << text << '"';
        EXPECT_EQ(window->AUGMENT1.visible(), row.increaseShown);
        EXPECT_EQ(window->AUGMENT2.visible(), row.increaseShown);
        EXPECT_EQ(window->DIMINUE1.visible(), row.decreaseShown);
        EXPECT_EQ(window->DIMINUE2.visible(), row.decreaseShown);
        EXPECT_TRUE(window->VALEUR_A_List.visible());
        // Only the set list shows the read-out; a step leaves it as it was.
        EXPECT_EQ(window->TEMPS.visible(), row.list == set);
        EXPECT_EQ(list.index(), -1) << "the same entry can be chosen again";
        EXPECT_FALSE(window->DEPASSE.visible());
        EXPECT_FALSE(window->F_V_P_Image.visible());
        EXPECT_FALSE(window->F_V_M_Image.visible());
        expectSeriesEmptied();
    }
}

// A list hidden at a bound comes back when the menu opens again; a step
// from the bound then leaves the mean there and hides the list once more.
TEST_F(TheoreticalMeanTest, ListHiddenAtABoundComesBackWhenTheMenuReopens)
{
    struct Row {
        const char* name;
        std::int16_t from;
        Control KolvenWindow::*list;
        Control KolvenWindow::*caption;
        int entry;
        std::int16_t bound;
    };
    const Row rows[] = {
        {"top", 1699, &KolvenWindow::AUGMENT2, &KolvenWindow::AUGMENT1, kStep05, 1700},
        {"floor", 5, &KolvenWindow::DIMINUE2, &KolvenWindow::DIMINUE1, kStep2, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        prepare(row.from);
        Control& list = (*window).*row.list;
        pick(list, row.entry);
        ASSERT_EQ(window->TEMPS_I, row.bound);
        ASSERT_FALSE(list.visible());

        hover(window->TITRE);
        hover(window->DUREES1);
        EXPECT_TRUE(list.visible());
        EXPECT_TRUE(((*window).*row.caption).visible());

        run(0);  // a count to be emptied by the next step
        ASSERT_EQ(window->SN_L, 1);
        hover(window->DUREES1);
        pick(list, kStep01);
        EXPECT_EQ(window->TEMPS_I, row.bound);
        EXPECT_FALSE(list.visible());
        EXPECT_EQ(window->SN_L, 0);
    }
}

// A click event that finds no entry selected only hides the limit message.
TEST_F(TheoreticalMeanTest, ClickWithNoEntrySelectedOnlyHidesTheLimitMessage)
{
    prepare(90);
    const std::string before = window->TEMPS.caption();
    for (auto handler : {&KolvenWindow::AUGMENT2_Click, &KolvenWindow::DIMINUE2_Click,
                         &KolvenWindow::VALEUR_A_List_Click}) {
        window->DEPASSE.show();
        ((*window).*handler)();
        EXPECT_FALSE(window->DEPASSE.visible());
        EXPECT_EQ(window->TEMPS_I, 90);
        EXPECT_EQ(window->TEMPS.caption(), before);
        EXPECT_EQ(window->SN_L, 5);
        EXPECT_TRUE(window->EFFACERS.enabled());
    }
}

}  // namespace
}  // namespace kolven::testing
