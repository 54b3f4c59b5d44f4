#include "support/covering.h"
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
        EXPECT_EQ(texts, row.texts);
        EXPECT_EQ(x, row.x);
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

}  // namespace
}  // namespace kolven::testing
