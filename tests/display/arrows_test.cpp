#include <string>
#include <vector>

#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

class ArrowsTest : public WindowFixture {
protected:
    void SetUp() override
    {
        startSimulation(kRegular);
    }
    void showAll()
    {
        for (Control* c : arrows())
            c->show();
    }
    std::vector<Control*> arrows()
    {
        KolvenWindow& w = *window;
        return {&w.F_H_G_Image, &w.F_H_G_10, &w.F_H_D_Image, &w.F_H_D_10,
                &w.F_H_P_Image, &w.F_H_M_Image1, &w.F_V_P_Image, &w.F_V_M_Image};
    }
};

// The window of bins moves and zooms within 0 … 240, and the buttons that
// could not act any more hide.
TEST_F(ArrowsTest, ScrollsAndZoomsStopAtTheEndsOfTheBins)
{
    const struct {
        const char* name;
        int horizon, origin;
        Control KolvenWindow::*button;
        int horizonAfter, originAfter;
        std::vector<Control KolvenWindow::*> hidden;
        std::vector<Control KolvenWindow::*> shown;
    } rows[] = {
        {"ten right at 155 of 80", 80, 155, &KolvenWindow::F_H_D_10, 80, 160,
         {&KolvenWindow::F_H_D_10, &KolvenWindow::F_H_D_Image}, {&KolvenWindow::F_H_G_10, &KolvenWindow::F_H_G_Image}},
        {"one right in the middle", 80, 100, &KolvenWindow::F_H_D_Image, 80, 101, {},
         {&KolvenWindow::F_H_D_10, &KolvenWindow::F_H_D_Image, &KolvenWindow::F_H_G_Image}},
        {"ten left from 4", 80, 4, &KolvenWindow::F_H_G_10, 80, 0,
         {&KolvenWindow::F_H_G_10, &KolvenWindow::F_H_G_Image}, {&KolvenWindow::F_H_D_10, &KolvenWindow::F_H_D_Image}},
        {"doubling 80 at 150", 80, 150, &KolvenWindow::F_H_P_Image, 160, 80,
         {&KolvenWindow::F_H_P_Image, &KolvenWindow::F_H_D_10, &KolvenWindow::F_H_D_Image},
         {&KolvenWindow::F_H_M_Image1, &KolvenWindow::F_H_G_Image}},
        {"halving 40 at 0", 40, 0, &KolvenWindow::F_H_M_Image1, 20, 0,
         {&KolvenWindow::F_H_M_Image1, &KolvenWindow::F_H_G_Image, &KolvenWindow::F_H_G_10},
         {&KolvenWindow::F_H_P_Image, &KolvenWindow::F_H_D_Image}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        showAll();
        window->display.HORIZON_I = static_cast<std::int16_t>(row.horizon);
        window->display.ORIGINE_I = static_cast<std::int16_t>(row.origin);
        click(*window.*(row.button));
        EXPECT_EQ(window->display.HORIZON_I, row.horizonAfter);
        EXPECT_EQ(window->display.ORIGINE_I, row.originAfter);
        for (auto c : row.hidden)
            EXPECT_FALSE(((*window).*c).visible()) << ((*window).*c).name();
        for (auto c : row.shown)
            EXPECT_TRUE(((*window).*c).visible()) << ((*window).*c).name();
    }
}

// A series whose largest bin is below 30 keeps the scale restored from the
// last reset, and the full-scale label says 30.
TEST_F(ArrowsTest, NormalisingASmallSeriesKeepsTheRestoredScale)
{
    window->series.HISTO_COMPT[9] = 12;
    window->series.SN_L = 12;
    window->display.ECHELLEHS_S = 77.5f;
    window->display.ECHELLEH_S = 10.0f;
    window->NORM();
    EXPECT_FLOAT_EQ(window->display.ECHELLEH_S, 77.5f);
    EXPECT_EQ(window->CONTENUS.caption(), " 30");

    // A largest bin of 60 fills the height.
    window->series.HISTO_COMPT[9] = 60;
    window->NORM();
    EXPECT_EQ(window->CONTENUS.caption(), " 60");
}

TEST_F(ArrowsTest, TheVerticalScaleSwitchesBetweenBaseAndNormalised)
{
    run(kHundred);  // a hundred counts of 9: MAX_L = 100
    ASSERT_EQ(window->series.MAX_L, 100);
    window->F_V_M_Image.show();
    window->F_V_P_Image.hide();
    click(window->F_V_M_Image);
    EXPECT_TRUE(window->F_V_P_Image.visible());
    EXPECT_FALSE(window->F_V_M_Image.visible());
    click(window->F_V_P_Image);
    EXPECT_FALSE(window->F_V_P_Image.visible());
    EXPECT_TRUE(window->F_V_M_Image.visible());
    EXPECT_EQ(window->CONTENUS.caption(), " 100");
}

// In the analysis a scroll redraws the comparison, which selects nothing.
TEST_F(ArrowsTest, InTheAnalysisAScrollRedrawsTheComparison)
{
    run(kHundred);
    click(window->ANALYSES);
    window->display.CURSEUR_I = 3;
    window->F_H_D_Image.show();
    click(window->F_H_D_Image);
    EXPECT_EQ(window->display.ORIGINE_I, 1);
    EXPECT_EQ(window->display.CURSEUR_I, window->display.HORIZON_I + 1);
    EXPECT_TRUE(window->DISTR_POISSON.visible());
}

}  // namespace
}  // namespace kolven::testing
