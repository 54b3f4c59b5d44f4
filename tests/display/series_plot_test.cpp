#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

using Kind = RecordingSurface::Kind;

class SeriesPlotTest : public WindowFixture {};

// At 1024 × 768 both factors are 1: the arrow buttons are 450 high, so bin 0
// sits at D1_I = 900, and 80 bins share the rest of the width: 13560 / 80 =
// 169.5, which rounds to the even 170. The axis is at 9300.
TEST_F(SeriesPlotTest, StartGeometryAtTheDesignSize) {
    const KolvenWindow& w = start();
    EXPECT_EQ((std::tuple<int, int, int>(w.display.D1_I, w.display.DECAL1_I, w.display.POSAXE_I)),
              std::tuple(900, 170, 9300));
    EXPECT_EQ(w.CONTENUS.caption(), " 30") << "the frame's label, as the start-up draws the frame alone";

    // The axis, one short mark per bin, one long mark every 5 bins and again
    // every 10, the vertical axis.
    const auto lines = display.recorded.ofKind(Kind::Line);
    ASSERT_EQ(lines.size(), 1u + 81u + 17u + 9u + 1u);
    EXPECT_EQ(std::tuple(lines.front().x1, lines.front().x2, lines.front().y1),
              std::tuple(900 - 85, 900 + 85 + 170 * 80, 9300));

    // On 1152 × 864 the axis falls on 9300 × 1.125 = 10462.5: ties to even.
    display.widthPixels = 1152;
    display.heightPixels = 864;
    EXPECT_EQ(start().display.POSAXE_I, 10462);
}

// Labels every 5 bins up to 80 bins, every 10 beyond, at
// x = D1_I − shift + (J − origin) × DECAL1_I, the shift growing with the digits.
TEST_F(SeriesPlotTest, NumbersStandUnderTheirGraduations) {
    const struct { const char* name; std::int16_t origin, horizon; Names texts; std::vector<int> x; } rows[] = {
        {"bins 0 to 80, every 5", 0, 80,
         {" 0", " 5", " 10", " 15", " 20", " 25", " 30", " 35", " 40", " 45", " 50", " 55", " 60", " 65", " 70", " 75",
          " 80"},
         {750, 1600, 2350, 3200, 4050, 4900, 5750, 6600, 7450, 8300, 9150, 10000, 10850, 11700, 12550, 13400, 14250}},
        {"bins 0 to 160, every 10", 0, 160,
         {" 0", " 10", " 20", " 30", " 40", " 50", " 60", " 70", " 80", " 90", " 100", " 110", " 120", " 130", " 140",
          " 150", " 160"},
         {750, 1500, 2350, 3200, 4050, 4900, 5750, 6600, 7450, 8300, 9100, 9950, 10800, 11650, 12500, 13350, 14200}},
        {"bins 7 to 27, shifted by their digits", 7, 20, {" 7", " 12", " 17", " 22", " 27"},
         {750, 650 + 5 * 680, 650 + 10 * 680, 650 + 15 * 680, 650 + 20 * 680}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        KolvenWindow& w = start();
        w.display.ORIGINE_I = row.origin;
        w.display.HORIZON_I = row.horizon;
        w.display.DECAL1_I = static_cast<std::int16_t>(170 * 80 / row.horizon);
        w.TRACE_CADRE();
        std::vector<std::string> texts;
        std::vector<int> x;
        for (const auto& op : display.recorded.ofKind(Kind::Text)) {
            texts.push_back(op.text);
            x.push_back(op.x1);
            EXPECT_EQ(op.y1, 9300 + 200);
        }
        EXPECT_EQ(std::pair(texts, x), std::pair(row.texts, row.x));
        EXPECT_EQ(display.recorded.ofKind(Kind::Point).size(), row.texts.size()) << "a dot places each label";
    }
}

TEST_F(SeriesPlotTest, ABarIsTwoThirdsOfABinAndNeverClimbsPastTheScaleLabel) {
    KolvenWindow& w = start();
    w.series.HISTO_COMPT[10] = 1000;
    w.series.HISTO_COMPT[11] = 2;
    w.TRACE_HISTO();
    const auto bars = display.recorded.ofKind(Kind::Block);
    ASSERT_EQ(bars.size(), 2u) << "empty bins draw nothing";
    const int centre = 900 + 170 * 10, halfWidth = 57;  // round(170 / 3) = 57
    EXPECT_EQ(std::tuple(bars[0].x1, bars[0].x2, bars[0].y1, bars[0].y2, bars[0].color),
              std::tuple(centre - halfWidth, centre + halfWidth, w.CONTENUS.top() + w.CONTENUS.height(), 9300,
                         platform::paletteColor(9)));
}

// The label reads the plot height over the scale, truncated; only the base
// scale, plot height / 30 in single precision, is made to read 30. The scales
// are the single-precision values the program computes, worked out apart.
TEST_F(SeriesPlotTest, TheFullScaleLabelTruncatesEveryScaleButTheBase) {
    const struct { const char* name; std::int32_t plotHeight; float scale; const char* text; } rows[] = {
        {"base scale, quotient 29.999999", 3008, 3008.0f / 30.0f, " 30"},
        {"base scale, quotient exactly 30", 2955, 98.5f, " 30"},
        {"first rescale from the base, 66.8 / 1.1: quotient 32.999998", 2004, 60.72727584838867f, " 32"},
        {"start scale, quotient 20.0000008", 3008, 150.39999389648438f, " 20"},
        {"a whole quotient", 3000, 12.5f, " 240"},
    };
    for (const auto& row : rows) {
        KolvenWindow& w = start();
        w.display.ECHELLEH0_L = row.plotHeight;
        w.display.ECHELLEH_S = row.scale;
        w.TRACE_HISTO();
        EXPECT_EQ(w.CONTENUS.caption(), row.text) << row.name;
    }
}

// The tallest bar stops at the lower edge of CONTENUS, which must be the top
// of the plot height, the count the label reads, and must lie in sight:
// nothing opaque over the bar's top, neither the read-outs of the mean
// squared deviation nor the limit message of a run.
TEST_F(SeriesPlotTest, TheTallestBarsStayInSightUpToTheFullScale) {
    const struct { const char* name; int bin; void (KolvenWindow::*scale)(); bool limitMessage; } rows[] = {
        {"normalised at mean 9, under the deviation read-out", 9, &KolvenWindow::NORM, false},
        {"base scale at mean 9, past the full scale", 9, &KolvenWindow::BASE, false},
        {"base scale at bin 40, under the limit message", 40, &KolvenWindow::BASE, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        KolvenWindow& w = start();
        for (int b = row.bin - 4; b <= row.bin + 4; ++b)
            w.series.HISTO_COMPT[b] = 200 - 10 * (b - row.bin) * (b - row.bin);
        w.series.MAX_L = 200;
        // The read-outs a series of that many counts shows beside the plot.
        w.EQM2_N.setCaption(" = 9.0321 ");
        for (Control* c : {&w.Nmoyen, &w.EQM2_N, &w.SIGMA2})
            c->show();
        if (row.limitMessage)
            w.DEPASSE.show();
        (w.*row.scale)();

        const int plotTop = w.display.POSAXE_I - w.display.ECHELLEH0_L;
        EXPECT_EQ(w.CONTENUS.top() + w.CONTENUS.height(), plotTop) << "the bars' ceiling is the full scale";
        const auto bars = display.recorded.ofKind(Kind::Block);
        ASSERT_EQ(bars.size(), 9u);
        const auto& tallest = bars[4];
        EXPECT_EQ(std::pair(tallest.y1, shownOver(w, {tallest.x1, tallest.y1, tallest.x2 - tallest.x1 + 1, 1})),
                  std::pair(plotTop, Names{}));
    }
}

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
