#include <cstdint>
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
std::vector<double> streamAboveTheLimit()
{
    std::vector<double> values(10, 250);
    values.insert(values.end(), 634, 3.90625);
    return values;
}

class EraseTest : public WindowFixture {
protected:
    // A run of two counts: 9 classed, 576 turned away.
    void SetUp() override
    {
        writeIntervals(intervalText(streamAboveTheLimit()));
        start();
        chooseSimulation();
        run(1);
        ASSERT_EQ(window->SN_L, 1);
        ASSERT_EQ(window->HISTO_COMPT[9], 1);
        ASSERT_TRUE(window->DEPASSE.visible());
        ASSERT_TRUE(window->EFFACERS.enabled());
    }
};

TEST_F(EraseTest, EffacerEmptiesASeriesThatExceededTheLimit)
{
    hover(window->EFFACERS);
    click(window->EFFACERS);

    EXPECT_FALSE(window->DEPASSE.visible());
    EXPECT_EQ(window->SN_L, 0);
    EXPECT_EQ(window->S1_L, 0);
    EXPECT_EQ(window->S2N_D, 0.0);
    EXPECT_EQ(window->MAX_L, 0);
    EXPECT_EQ(window->HISTO_COMPT[9], 0);
    EXPECT_FALSE(window->NOMB_COMPT.visible());
    EXPECT_FALSE(window->EFFACERS.enabled());
    // Left as they were: the last mean, the run length, the origin, the
    // setting, and the export file until the next count is classed.
    EXPECT_EQ(window->MOY_S, 9.0f);
    EXPECT_EQ(window->NMOYEN_T, "9");
    EXPECT_EQ(window->MODE_T, "C_0002");
    EXPECT_EQ(window->DONNEES_T, "EXPERIENCE");
    EXPECT_EQ(window->TEMPS_S, 9.0f);
    const auto file = exportFile();
    ASSERT_TRUE(file);
    EXPECT_NE(file->find("\r\n 9  1 \r\n"), std::string::npos);

    // The next count, 9 again, is classed as the first of a new series.
    run(0);
    EXPECT_EQ(window->SN_L, 1);
    EXPECT_EQ(window->HISTO_COMPT[9], 1);
    EXPECT_EQ(window->NOMB_COMPT.caption(), " Nombre de comptage =1 ");
    EXPECT_TRUE(window->Nmoyen.visible());
    EXPECT_FALSE(window->DEPASSE.visible());
}

TEST_F(EraseTest, ClearsBinsZeroToTwoHundredFortyHidesTheReadOutsAndResetsTheScale)
{
    // As a longer series within the limit would leave them.
    for (Control* c : {&window->VAL_COMPT, &window->Nmoyen, &window->EQM2_N, &window->SIGMA2})
        c->show();
    window->ANALYSES.setEnabled(true);
    window->HISTO_COMPT[0] = 3;
    window->HISTO_COMPT[240] = 2;
    window->HISTO_COMPT[241] = 7;  // never set by counting, never erased
    window->ECHELLEH_S = 1.0f;
    window->CONTENUS.setCaption(" 55");
    click(window->EFFACERS);
    EXPECT_EQ(window->HISTO_COMPT[0], 0);
    EXPECT_EQ(window->HISTO_COMPT[240], 0);
    EXPECT_EQ(window->HISTO_COMPT[241], 7);
    for (const Control* c : {&window->VAL_COMPT, &window->Nmoyen, &window->EQM2_N, &window->SIGMA2})
        EXPECT_FALSE(c->visible()) << c->name();
    EXPECT_FALSE(window->ANALYSES.enabled());
    // 30 counts fill the plot; the label shows the quotient truncated, which
    // in single precision may fall a hair below 30.
    EXPECT_FLOAT_EQ(window->ECHELLEH_S, window->ECHELLEH0_L / 30.0f);
    const std::string scale = window->CONTENUS.caption();
    EXPECT_TRUE(scale == " 30" || scale == " 29" || scale == "30" || scale == "29") << '"' << scale << '"';
    EXPECT_TRUE(window->CONTENUS.visible());
}

// The scroll arrows that cannot act are hidden; the vertical ones always.
TEST_F(EraseTest, EffacerShowsOnlyTheScrollArrowsThatCanAct)
{
    struct Row {
        const char* name;
        std::int16_t first, bins;
        bool left, right;
    };
    const Row rows[] = {
        {"first bins shown", 0, 80, false, true},
        {"middle of the range", 40, 80, true, true},
        {"last bin 240 shown", 160, 80, true, false},
        {"one short of the last bin", 159, 80, true, true},
        {"160 bins up to 240", 80, 160, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        window->ORIGINE_I = row.first;
        window->HORIZON_I = row.bins;
        window->F_H_G_Image.setVisible(!row.left);
        window->F_H_D_Image.setVisible(!row.right);
        window->F_V_P_Image.show();
        window->F_V_M_Image.show();
        window->EFFACERS.setEnabled(true);  // as after a run
        click(window->EFFACERS);
        EXPECT_EQ(window->F_H_G_Image.visible(), row.left);
        EXPECT_EQ(window->F_H_D_Image.visible(), row.right);
        EXPECT_FALSE(window->F_V_P_Image.visible());
        EXPECT_FALSE(window->F_V_M_Image.visible());
    }
}

}  // namespace
}  // namespace kolven::testing
