#include <string>
#include <vector>

#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

struct Entry {
    const char* code;
    const char* title;
};
// ASSOCIATIONS_List, entries 0 … 3.
const Entry kEntries[] = {
    {"EXPERIENCE", " Histogramme des comptages crées par simulation "},
    {"ASSOCIATIONS1", " Histogramme de la somme de deux comptages en simulation "},
    {"ASSOCIATIONS2", " Histogramme de la 1/2 somme de deux comptages en simulation "},
    {"ASSOCIATIONS3", " Histogramme de la somme - le comptage suivant en simulation "},
};

using AssociationsTest = WindowFixture;

// Each choice closes the menu, enables the commands, and also empties the
// series (seeded here) and removes the limit message.
TEST_F(AssociationsTest, EachEntrySetsItsOriginAndTitleAndErases)
{
    for (int entry = 0; entry < 4; ++entry) {
        SCOPED_TRACE(kEntries[entry].code);
        start();
        window->series.HISTO_COMPT[5] = 1;
        window->series.SN_L = 1;
        window->DEPASSE.show();
        chooseSimulation(entry);
        EXPECT_EQ(window->series.DONNEES_T, kEntries[entry].code);
        EXPECT_EQ(window->DISTR_COMPTAGES.caption(), kEntries[entry].title);
        EXPECT_TRUE(window->DISTR_COMPTAGES.visible() && window->TEMPS.visible());
        EXPECT_TRUE(window->DUREES1.enabled() && window->LANCER1.enabled());
        EXPECT_FALSE(window->Label37.visible() || window->ASSOCIATIONS_List.visible());
        EXPECT_EQ(window->series.SN_L + window->series.HISTO_COMPT[5], 0);
        EXPECT_FALSE(window->DEPASSE.visible());
    }
}

// Runs of five counts at TEMPS_S 2 through the window, intervals all 250
// (one time unit; the clock at 0 skips nothing): the list's choice reaches
// the walk, whose every case is worked by hand in the simulated count's
// tests. Plain: window 2, lead-in 0.2: 0.8, 1.8 counted, 2.8 closes: 2.
// Sum: window 4, lead-in 0.4: 0.6 … 3.6 counted, 4.6 closes: 4.
TEST_F(AssociationsTest, EachAssociationClassesItsValue)
{
    const struct {
        const char* name;
        int entry;
        int value;
    } rows[] = {
        {"plain count", 0, 2},
        {"sum of two", 1, 4},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        writeIntervals(intervalText(std::vector<double>(20, 250.0)));
        start();
        chooseSimulation(row.entry);
        hover(window->DUREES1);
        pick(window->VALEUR_A_List, 1);  // 1.0
        pick(window->AUGMENT2, 3);       // + 1.0
        ASSERT_EQ(window->mean.TEMPS_S, 2.0f);
        run(2);
        EXPECT_EQ(window->series.SN_L, 5);
        EXPECT_EQ(window->series.HISTO_COMPT[row.value], 5);
        EXPECT_EQ(window->series.DONNEES_T, kEntries[row.entry].code);
    }
}

}  // namespace
}  // namespace kolven::testing
