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
        window->HISTO_COMPT[5] = 1;
        window->SN_L = 1;
        window->DEPASSE.show();
        chooseSimulation(entry);
        EXPECT_EQ(window->DONNEES_T, kEntries[entry].code);
        EXPECT_EQ(window->DISTR_COMPTAGES.caption(), kEntries[entry].title);
        EXPECT_TRUE(window->DISTR_COMPTAGES.visible() && window->TEMPS.visible());
        EXPECT_TRUE(window->DUREES1.enabled() && window->LANCER1.enabled());
        EXPECT_FALSE(window->Label37.visible() || window->ASSOCIATIONS_List.visible());
        EXPECT_EQ(window->SN_L + window->HISTO_COMPT[5], 0);
        EXPECT_FALSE(window->DEPASSE.visible());
    }
}

// Runs of five counts at TEMPS_S 2 (intervals in time units, × 250 in the
// file; the clock at 0 skips nothing, and every stream below is used up by
// exactly one count, so that each count of the run is the same).
// Plain window W = 2, lead-in 0.2; associations W = 4, lead-in 0.4.
//
// All 1:
//  plain: lead-in 1 → first detection at 0.8, then 1.8, 2.8 ≥ 2: count 2.
//  sum: 0.6, 1.6, 2.6, 3.6, then 4.6 ≥ 4: sum 4.
// Odd then even (1, 1, 1, 2, 0.25, 0.5 × 5, 3), half-sum:
//  0.6, 1.6, 2.6, 4.6: 3 detections, odd, thrown away; a new window opens
//  at 4.6 without lead-in: 0.25, 0.75 … 2.75 (6 detections), 5.75 closes:
//  6 / 2 = 3. (With a lead-in the first 0.25 would be skipped and the sum
//  odd again; halving 3 would give 1.)
// Difference made again (1, 4, 0.5, 0.5, 0.5, 1, 0.25, 1, 1, 2.5, 2.5):
//  sum: 0.6, 4.6 closes: 1; next: 0.5, 1, 1.5, 2.5 closes: 3; 1 − 3 < 0.
//  Again from that detection, no lead-in, W back to 4: 0.25, 1.25, 2.25,
//  4.75 closes: 3; next: 2.5 closes at once: 0; 3 − 0 = 3. (A lead-in, or
//  a window left at 2, would close the sum after 2 detections.)
TEST_F(AssociationsTest, EachAssociationClassesItsValue)
{
    const std::vector<double> allOne(20, 250.0);
    const std::vector<double> oddThenEven = {250, 250, 250, 500, 62.5, 125, 125, 125, 125, 125, 750};
    const std::vector<double> madeAgain = {250, 1000, 125, 125, 125, 250, 62.5, 250, 250, 625, 625};
    const struct {
        const char* name;
        int entry;
        const std::vector<double>& intervals;
        int value;
    } rows[] = {
        {"plain count", 0, allOne, 2},
        {"sum of two", 1, allOne, 4},
        {"half-sum throws an odd sum away", 2, oddThenEven, 3},
        {"sum minus next made again", 3, madeAgain, 3},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        writeIntervals(intervalText(row.intervals));
        start();
        chooseSimulation(row.entry);
        hover(window->DUREES1);
        pick(window->VALEUR_A_List, 1);  // 1.0
        pick(window->AUGMENT2, 3);       // + 1.0
        ASSERT_EQ(window->TEMPS_S, 2.0f);
        run(2);
        EXPECT_EQ(window->SN_L, 5);
        EXPECT_EQ(window->HISTO_COMPT[row.value], 5);
        EXPECT_EQ(window->DONNEES_T, kEntries[row.entry].code);
    }
}

}  // namespace
}  // namespace kolven::testing
