#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "display/comparison_plot.h"
#include "support/fake_platform.h"

namespace kolven::testing {
namespace {

using Kind = RecordingSurface::Kind;

// The design screen: 15360 twips wide, CONTENUS 255 high with its lower edge
// at 4255, the axis at 9300.
ComparisonInputs designInputs(int horizon) {
    return {.windowWidth = 15360, .contentsTop = 4000, .contentsHeight = 255, .HORIZON_I = std::int16_t(horizon),
            .POSAXE_I = 9300, .ECHELLEH0_L = 5000, .normalisedScaleShown = true, .MAX_L = 40, .labelWidth = {}};
}

TEST(ComparisonGeometryTest, PanelsAcrossTheWindow) {
    const struct { const char* name; int width, horizon, previousWidth, D1A, A, DECAL1A, D2A, D3A, LARGCURS; } rows[] = {
        // 1.5 × 255 = 382.5 → 382; (15360 − 1528) / 3 = 4610.67 → 4611;
        // 4611 / 20 = 230.55 → 231; 7680 − 2310; 15360 − 4620 − 382.5 =
        // 10357.5 → 10358; 231 / 3 = 77.
        {"20 bins at the design size", 15360, 20, 0, 382, 4611, 231, 5370, 10358, 77},
        // 4611 / 160 = 28.8 → 29; 7680 − 2320; 15360 − 4640 − 382.5 = 10337.5 → 10338.
        {"160 bins at the design size", 15360, 160, 0, 382, 4611, 29, 5360, 10338, 10},
        // No width for 15 bins: the previous 100 stays; 15360 − 1500 − 382.5.
        {"15 bins keep the previous bin width", 15360, 15, 100, 382, 4611, 100, 6930, 13478, 33},
        // (28800 − 2280) / 3 = 8840; 8840 / 80 = 110.5 → 110, ties to even.
        {"80 bins on 1920 pixels", 28800, 80, 0, 570, 8840, 110, 10000, 19430, 37},
    };
    for (const auto& row : rows) {
        ComparisonInputs in = designInputs(row.horizon);
        in.windowWidth = row.width;
        in.contentsHeight = row.width == 15360 ? 255 : 380;
        in.DECAL1A_I = static_cast<std::int16_t>(row.previousWidth);
        const ComparisonGeometry g = comparisonGeometry(in, 1000);
        EXPECT_EQ((std::vector<int>{g.left[kPoissonPanel], g.A_I, g.DECAL1A_I, g.left[kSeriesPanel], g.left[kGaussPanel],
                                    g.LARGCURS_I}),
                  (std::vector<int>{row.D1A, row.A, row.DECAL1A, row.D2A, row.D3A, row.LARGCURS})) << row.name;
    }
}

// One scale for the three panels, plot height 5000 twips; the usual
// normalised and base scales are in the drawing's test below.
TEST(ComparisonGeometryTest, VerticalScale) {
    const struct { const char* name; bool normalised; std::int32_t MAX_L, largest; float scale; } rows[] = {
        {"a small series fills the height with MAX_L counts", true, 20, 20, 5000.0f / 20},
        {"at the base scale too", false, 12, 12, 5000.0f / 12},
        {"all empty: the base scale", true, 0, 0, 5000.0f / 30},
    };
    for (const auto& row : rows) {
        ComparisonInputs in = designInputs(20);
        in.normalisedScaleShown = row.normalised;
        in.MAX_L = row.MAX_L;
        EXPECT_FLOAT_EQ(comparisonGeometry(in, row.largest).ECHELLEG_S, row.scale) << row.name;
    }
}

struct Drawing { RecordingSurface surface; ComparisonDrawn drawn; };

void draw(Drawing& d, const ComparisonInputs& in, const Histogram& poisson, const Histogram& series,
          const Histogram& gauss, bool centre = true) {
    d.surface.ops.push_back({Kind::Line, 0, 0, 1, 1, {}});  // a previous drawing, to be erased
    std::vector<ComparedHistogram> shown{{kPoissonPanel, &poisson}};
    if (centre)
        shown.push_back({kSeriesPanel, &series});
    shown.push_back({kGaussPanel, &gauss});
    d.drawn = TRACE_COMPARAISON(d.surface, platform::Font{"Sans", 8.25}, in, shown);
}

// Which panel an x lies in, from the left edges of the example geometry.
int panelOf(int x, const ComparisonGeometry& g) {
    return x < g.left[kSeriesPanel] ? 0 : x < g.left[kGaussPanel] ? 1 : 2;
}

// 20 bins from 10: three axes, three passes of marks, labels every 10, one
// bar per position and panel. A counted series at the base scale has a count
// far past the plot height, held at the lower edge of CONTENUS; a
// theoretical one, normalised, leaves out the centre panel and its count.
TEST(ComparisonPlotTest, PanelsMarksAndBars) {
    const struct { const char* name; bool centre, normalised; float scale; int poissonTop; } rows[] = {
        {"counted series at the base scale", true, false, 5000.0f / 30, 5967},  // 9300 − 20 × 166.67
        {"theoretical series, normalised", false, true, 4995.0f / 50, 7302},    // 9300 − 20 × 99.9
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ComparisonInputs in = designInputs(20);
        in.ORIGINE_I = 10;
        in.normalisedScaleShown = row.normalised;
        Histogram poisson{}, series{}, gauss{};
        poisson[10] = 20;
        series[12] = 1000000;
        gauss[30] = 50;
        gauss[31] = 7;  // beyond the window
        Drawing d;
        draw(d, in, poisson, series, gauss, row.centre);
        const ComparisonGeometry& g = d.drawn.geometry;
        const int panels = row.centre ? 3 : 2;
        EXPECT_FLOAT_EQ(g.ECHELLEG_S, row.scale);

        const auto lines = d.surface.ofKind(Kind::Line);
        ASSERT_EQ(lines.size(), static_cast<size_t>(panels * (1 + 21 + 5 + 3))) << "the earlier drawing is erased";
        EXPECT_EQ(std::tuple(lines[0].x1, lines[0].x2, lines[static_cast<size_t>(panels - 1)].x1),
                  std::tuple(382, 382 + 21 * 231, 10358));
        // The first mark of each pass, in the left panel: 100, 200, 300 long,
        // at the centre of position 0 (382 + 115.5, ties to even).
        const int firstOfPass[] = {panels, panels + panels * 21, panels + panels * 26};
        for (int pass = 0; pass < 3; ++pass) {
            const auto& mark = lines[static_cast<size_t>(firstOfPass[pass])];
            EXPECT_EQ(std::pair(mark.x1, mark.y2 - mark.y1), std::pair(498, 100 * (pass + 1)));
        }

        std::vector<int> perPanel(3, 0), tops(3, 9300);
        for (const auto& bar : d.surface.ofKind(Kind::Block)) {
            const auto k = static_cast<size_t>(panelOf(bar.x1, g));
            ++perPanel[k];
            tops[k] = std::min(tops[k], bar.y1);
            EXPECT_EQ(bar.y2, 9300);
        }
        EXPECT_EQ(perPanel, (std::vector<int>{21, row.centre ? 21 : 0, 21})) << "zero counts are drawn too";
        const int gaussTop = row.normalised ? 9300 - 4995 : 4255;
        EXPECT_EQ(tops, (std::vector<int>{row.poissonTop, row.centre ? 4255 : 9300, gaussTop}));

        // Bin 10, left panel: 497.5 ∓ 77 = 420.5 → 420 and 574.5 → 574.
        const auto poissonBar = d.surface.ofKind(Kind::Block)[0];
        EXPECT_EQ(std::pair(poissonBar.x1, poissonBar.x2), std::pair(420, 574));

        // A label stands at most its shift and ORIGINE_I left of its mark.
        std::vector<std::string> left;
        for (const auto& label : d.surface.ofKind(Kind::Text))
            if (panelOf(label.x1 + 300 + in.ORIGINE_I, g) == 0)
                left.push_back(label.text);
        EXPECT_EQ(left, (std::vector<std::string>{" 10", " 20", " 30"}));
        EXPECT_EQ((std::pair<int, int>(d.surface.ofKind(Kind::Text).size(), d.drawn.CURSEUR_I)),
                  std::pair(3 * panels, 21));
    }
}

// Across 160 bins a label every 20, at x0 − shift + DECAL1A_I / 2 +
// DECAL1A_I × i − ORIGINE_I, the shift in design twips (250 for two digits,
// 300 for three), whatever the screen factor.
TEST(ComparisonPlotTest, LabelsAcross160Bins) {
    ComparisonInputs in = designInputs(160);
    in.ORIGINE_I = 30;
    in.ECHVERTI_S = 1.5f;
    Drawing d;
    draw(d, in, Histogram{}, Histogram{}, Histogram{});
    std::vector<std::string> texts;
    std::vector<int> x;
    for (const auto& label : d.surface.ofKind(Kind::Text)) {
        if (panelOf(label.x1 + 300 + in.ORIGINE_I, d.drawn.geometry) != 2)
            continue;
        texts.push_back(label.text);
        x.push_back(label.x1);
        EXPECT_EQ(label.y1, 9300 + 300);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{" 30", " 50", " 70", " 90", " 110", " 130", " 150", " 170", " 190"}));
    // Right panel at 10338, bins 29 twips wide: 10338 + 14.5 − 30 − shift +
    // 29 i, ties to even.
    EXPECT_EQ(x, (std::vector<int>{10072, 10652, 11232, 11812, 12342, 12922, 13502, 14082, 14662}));
    EXPECT_EQ(d.surface.ofKind(Kind::Point).size(), 27u) << "a dot places each label";
}

}  // namespace
}  // namespace kolven::testing
