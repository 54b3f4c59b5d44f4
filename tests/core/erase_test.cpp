#include <string>
#include <vector>

#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

// At the start-up mean 9 (window 9, lead-in 0.9), in time units (× 250 in
// the file; every value prints exactly as intervalText writes it):
//  ten intervals of 1: lead-in ends at 1 (first detection at 0.1), then
//  1.1 … 8.1, and 9.1 closes: count 9.
//  then 634 intervals of 1/64: the lead-in takes 58 (58/64 > 0.9), the
//  first detection lies at 0.00625, 575 more fall below 9 and the next
//  closes: count 576, above 240, and the file is used up.
//  A third count wraps to the start of the file: 9 again.
using EraseTest = WindowFixture;

TEST_F(EraseTest, EffacerEmptiesASeriesThatExceededTheLimit)
{
    // A run of two counts: 9 classed, 576 turned away.
    std::vector<double> intervals(10, 250);
    intervals.insert(intervals.end(), 634, 3.90625);
    startSimulation(intervals);
    run(1);
    ASSERT_EQ(window->series.HISTO_COMPT[9], 1);
    ASSERT_TRUE(window->DEPASSE.visible());

    // As a longer series would leave them; bin 241 is never set by counting
    // and never erased.
    for (Control* c : {&window->VAL_COMPT, &window->Nmoyen, &window->EQM2_N, &window->SIGMA2, &window->F_H_G_Image,
                       &window->F_V_P_Image, &window->F_V_M_Image})
        c->show();
    window->F_H_D_Image.hide();
    window->ANALYSES.setEnabled(true);
    window->series.HISTO_COMPT[0] = 3;
    window->series.HISTO_COMPT[240] = 2;
    window->series.HISTO_COMPT[241] = 7;
    hover(window->EFFACERS);
    click(window->EFFACERS);

    EXPECT_FALSE(window->DEPASSE.visible());
    EXPECT_EQ(window->series.SN_L, 0);
    EXPECT_EQ(window->series.S1_L, 0);
    EXPECT_EQ(window->series.S2N_D, 0.0);
    EXPECT_EQ(window->series.MAX_L, 0);
    EXPECT_EQ(window->series.HISTO_COMPT[0] + window->series.HISTO_COMPT[9] + window->series.HISTO_COMPT[240], 0);
    EXPECT_EQ(window->series.HISTO_COMPT[241], 7);
    for (const Control* c : {&window->NOMB_COMPT, &window->VAL_COMPT, &window->Nmoyen, &window->EQM2_N,
                             &window->SIGMA2})
        EXPECT_FALSE(c->visible()) << c->name();
    EXPECT_FALSE(window->EFFACERS.enabled());
    EXPECT_FALSE(window->ANALYSES.enabled());
    // Only the scroll arrows that can act: bins 0 to 80 are shown, none to the left.
    EXPECT_FALSE(window->F_H_G_Image.visible() || window->F_V_P_Image.visible() || window->F_V_M_Image.visible());
    EXPECT_TRUE(window->F_H_D_Image.visible());
    EXPECT_NE(exportFile().find("\r\n 9  1 \r\n"), std::string::npos) << "the file waits for the next count";

    // The next count, 9 again, is classed as the first of a new series.
    run(0);
    EXPECT_EQ(window->series.SN_L, 1);
    EXPECT_EQ(window->series.HISTO_COMPT[9], 1);
    EXPECT_EQ(window->NOMB_COMPT.caption(), " Nombre de comptage =1 ");
    EXPECT_TRUE(window->Nmoyen.visible());
    EXPECT_FALSE(window->DEPASSE.visible());
}

}  // namespace
}  // namespace kolven::testing
