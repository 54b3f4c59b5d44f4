#include "core/number_text.h"
#include "display/series_plot.h"
#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

using Kind = RecordingSurface::Kind;

const platform::Color kMagenta = platform::paletteColor(kHighlightColor);
const platform::Color kBlue = platform::paletteColor(kPlotColor);

class ReadoutTest : public WindowFixture {
protected:
    // A height inside the series view's read-out band.
    int seriesBandY() const {
        const double top = window->EQM2_N.top() + 1.1 * window->EQM2_N.height();
        const double bottom = window->EFF_EXP.top() - window->EFF_EXP.height() / 4.0;
        return static_cast<int>((top + bottom) / 2);
    }
    int xOfBin(int bin) const { return static_cast<int>(window->seriesPlot().centreOf(bin)); }
    void moveOverBin(int bin, int offset = 0) { window->pointerMoved(xOfBin(bin) + offset, seriesBandY()); }

    // The colours of the bars drawn since the mark; a highlight never enters
    // the stored image, nor does a bar drawn again over one.
    std::vector<platform::Color> barsSince(std::size_t mark) const {
        std::vector<platform::Color> found;
        for (std::size_t i = mark; i < display.recorded.ops.size(); ++i)
            if (display.recorded.ops[i].kind == Kind::Block) {
                found.push_back(display.recorded.ops[i].color);
                EXPECT_FALSE(display.recorded.ops[i].persistent);
            }
        return found;
    }
};

TEST_F(ReadoutTest, TheSeriesViewReadsTheBinUnderThePointer) {
    countNines();
    // The bars: the old one restored, the new one lit.
    const struct { const char* name; int bin; const char* text; std::vector<platform::Color> bars; } rows[] = {
        // Bin 0, selected at start, is empty: entering the band lights nothing.
        {"a bin with counts", 9, " Effectif de [ 9 ] = 100 ", {kMagenta}},
        {"an empty bin: text, no highlight", 12, " Effectif de [ 12 ] = 0 ", {kBlue}},
        {"from an empty bin back to counts", 9, " Effectif de [ 9 ] = 100 ", {kMagenta}},
    };
    for (const auto& row : rows) {
        const std::size_t mark = display.recorded.ops.size();
        moveOverBin(row.bin);
        EXPECT_EQ(std::tuple(seen(window->EFF_EXP), window->display.CURSEUR_I, barsSince(mark)),
                  std::tuple(row.text, row.bin, row.bars)) << row.name;
    }
}

// Along one bin nothing is drawn; out of the band the label goes and the bar
// is restored; back in the band the same bin lights again at once.
TEST_F(ReadoutTest, TheBandAndTheBinLimitWhatIsRedrawn) {
    countNines();
    moveOverBin(9);
    const std::size_t mark = display.recorded.ops.size();
    moveOverBin(9, window->display.DECAL1_I / 4);
    EXPECT_EQ(display.recorded.ops.size(), mark);

    window->pointerMoved(xOfBin(9), window->EQM2_N.top());
    EXPECT_EQ(std::pair(window->EFF_EXP.visible(), barsSince(mark)), std::pair(false, std::vector{kBlue}));

    // In the band, beyond the bins, the selection stays.
    const std::size_t back = display.recorded.ops.size();
    window->pointerMoved(xOfBin(9) + window->display.DECAL1_I * 1000, seriesBandY());
    EXPECT_EQ(std::tuple(window->EFF_EXP.visible(), window->display.CURSEUR_I, barsSince(back)),
              std::tuple(true, 9, std::vector{kMagenta}));
}

// A pointer half way between two bins takes the even one.
TEST_F(ReadoutTest, HalfWayBetweenBinsTheEvenOneIsRead) {
    countNines();
    window->display.DECAL1_I = 100;  // an even width puts the half way on a whole twip
    for (int bin : {9, 10}) {
        window->pointerMoved(window->display.D1_I + bin * 100 + 50, seriesBandY());
        EXPECT_EQ(window->display.CURSEUR_I, 10) << bin;
    }
}

TEST_F(ReadoutTest, SilentWhileAListIsOpen) {
    countNines();
    hover(window->LANCER1);  // the list of run lengths opens
    moveOverBin(9);
    EXPECT_EQ(window->EFF_EXP.caption(), "");
}

class ComparedReadoutTest : public ReadoutTest {
protected:
    int analysisBandY() const {
        const double top = window->SOMME_POIS.top() + 1.1 * window->SOMME_POIS.height();
        const double bottom = window->EFF_EXP.top() + window->EFF_EXP.height();
        return static_cast<int>((top + bottom) / 2);
    }
    Names visibleReadouts() const {
        const KolvenWindow& w = *window;
        return visibleOf({&w.EFF_POI, &w.SOMME_POIS, &w.EFF_GAUSS, &w.SOMME_GAUSS, &w.EFF_COMPT, &w.SOMME_COMPT});
    }
    int centreOf(int panel, int bin) const {
        return static_cast<int>(window->columnPlot(window->comparisonColumns()[panel]).centreOf(bin));
    }
};

// Right after the analysis opens nothing is selected, so even position 0 of
// a panel is read; every panel reads the same bin.
TEST_F(ComparedReadoutTest, EveryPanelReadsTheSameBinFromTheFirstOne) {
    countNines();
    click(window->ANALYSES);
    for (int panel : {kPoissonPanel, kSeriesPanel, kGaussPanel}) {
        SCOPED_TRACE(panel);
        window->display.CURSEUR_I = static_cast<std::int16_t>(window->display.HORIZON_I + 1);
        window->pointerMoved(centreOf(panel, 0), analysisBandY());
        EXPECT_EQ((std::pair<int, std::string>(window->display.CURSEUR_I, window->EFF_COMPT.caption())),
                  std::pair(0, std::string(" Effectif de [ 0 ] = 0 ")));
        window->pointerMoved(centreOf(panel, 9), analysisBandY());
        EXPECT_EQ(window->EFF_COMPT.caption() + window->SOMME_COMPT.caption(),
                  " Effectif de [ 9 ] = 100  Somme de 0 à 9 = 100 ");
        EXPECT_EQ(visibleReadouts().size(), 6u);
    }
    // Above the band, clear of the labels, the read-outs go.
    window->pointerMoved(centreOf(kPoissonPanel, window->display.HORIZON_I), window->SOMME_POIS.top() + 1);
    EXPECT_EQ(visibleReadouts(), Names{});
}

// A theoretical origin has no centre panel: four labels, and the centre of
// the window reads nothing.
TEST_F(ComparedReadoutTest, ATheoreticalOriginReadsFourLabels) {
    start();
    chooseLaw(&KolvenWindow::POISS);
    click(window->ANALYSES);
    window->pointerMoved(centreOf(kSeriesPanel, window->display.ORIGINE_I + 9), analysisBandY());
    EXPECT_EQ(window->display.CURSEUR_I, window->display.HORIZON_I + 1);
    window->pointerMoved(centreOf(kGaussPanel, 9), analysisBandY());
    EXPECT_EQ(window->display.CURSEUR_I, 9);
    EXPECT_EQ(visibleReadouts(), (Names{"EFF_POI", "SOMME_POIS", "EFF_GAUSS", "SOMME_GAUSS"}));
}

}  // namespace
}  // namespace kolven::testing
