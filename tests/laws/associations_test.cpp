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

}  // namespace
}  // namespace kolven::testing
