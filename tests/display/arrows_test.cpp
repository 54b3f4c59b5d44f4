#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

class ArrowsTest : public WindowFixture {
protected:
    void SetUp() override { startSimulation(kRegular); }
};

// The window of bins moves and zooms within 0 … 240, and the buttons that
// could not act any more hide.
TEST_F(ArrowsTest, ScrollsAndZoomsStopAtTheEndsOfTheBins) {
    // The horizontal arrows, all shown before the click, and those left shown.
    KolvenWindow& w = *window;
    const auto arrows = {&w.F_H_G_10, &w.F_H_G_Image, &w.F_H_D_Image, &w.F_H_D_10, &w.F_H_M_Image1, &w.F_H_P_Image};
    const struct { const char* name; int horizon, origin; Control KolvenWindow::*button; int horizonAfter, originAfter;
                   Names shown; } rows[] = {
        {"ten right at 155 of 80", 80, 155, &KolvenWindow::F_H_D_10, 80, 160,
         {"F_H_G_10", "F_H_G_Image", "F_H_M_Image1", "F_H_P_Image"}},
        {"one right in the middle", 80, 100, &KolvenWindow::F_H_D_Image, 80, 101,
         {"F_H_G_10", "F_H_G_Image", "F_H_D_Image", "F_H_D_10", "F_H_M_Image1", "F_H_P_Image"}},
        {"ten left from 4", 80, 4, &KolvenWindow::F_H_G_10, 80, 0,
         {"F_H_D_Image", "F_H_D_10", "F_H_M_Image1", "F_H_P_Image"}},
        {"doubling 80 at 150", 80, 150, &KolvenWindow::F_H_P_Image, 160, 80,
         {"F_H_G_10", "F_H_G_Image", "F_H_M_Image1"}},
        {"halving 40 at 0", 40, 0, &KolvenWindow::F_H_M_Image1, 20, 0, {"F_H_D_Image", "F_H_D_10", "F_H_P_Image"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        for (Control* c : arrows)
            c->show();
        window->display.HORIZON_I = static_cast<std::int16_t>(row.horizon);
        window->display.ORIGINE_I = static_cast<std::int16_t>(row.origin);
        click(*window.*(row.button));
        EXPECT_EQ((std::pair<int, int>(window->display.HORIZON_I, window->display.ORIGINE_I)),
                  std::pair(row.horizonAfter, row.originAfter));
        EXPECT_EQ(visibleOf(arrows), row.shown);
    }
}

// A series whose largest bin is below 30 keeps the scale restored from the
// last reset, and the full-scale label says 30.
TEST_F(ArrowsTest, NormalisingASmallSeriesKeepsTheRestoredScale) {
    window->series.HISTO_COMPT[9] = 12;
    window->series.SN_L = 12;
    window->display.ECHELLEHS_S = 77.5f;
    window->display.ECHELLEH_S = 10.0f;
    window->NORM();
    EXPECT_EQ(std::pair(window->display.ECHELLEH_S, window->CONTENUS.caption()), std::pair(77.5f, std::string(" 30")));

    // A largest bin of 60 fills the height.
    window->series.HISTO_COMPT[9] = 60;
    window->NORM();
    EXPECT_EQ(window->CONTENUS.caption(), " 60");
}

TEST_F(ArrowsTest, TheVerticalScaleSwitchesBetweenBaseAndNormalised) {
    run(kHundred);  // a hundred counts of 9: MAX_L = 100
    ASSERT_EQ(window->series.MAX_L, 100);
    window->F_V_M_Image.show();
    window->F_V_P_Image.hide();
    const auto arrows = {&window->F_V_P_Image, &window->F_V_M_Image};
    click(window->F_V_M_Image);
    EXPECT_EQ(visibleOf(arrows), Names{"F_V_P_Image"});
    click(window->F_V_P_Image);
    EXPECT_EQ(visibleOf(arrows), Names{"F_V_M_Image"});
    EXPECT_EQ(window->CONTENUS.caption(), " 100");
}

// In the analysis a scroll redraws the comparison, which selects nothing.
TEST_F(ArrowsTest, InTheAnalysisAScrollRedrawsTheComparison) {
    run(kHundred);
    click(window->ANALYSES);
    window->display.CURSEUR_I = 3;
    window->F_H_D_Image.show();
    click(window->F_H_D_Image);
    EXPECT_EQ((std::tuple<int, int, bool>(window->display.ORIGINE_I, window->display.CURSEUR_I,
                                         window->DISTR_POISSON.visible())),
              std::tuple(1, window->display.HORIZON_I + 1, true));
}

}  // namespace
}  // namespace kolven::testing
