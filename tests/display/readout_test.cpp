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
        readBin(row.bin);
        EXPECT_EQ(std::tuple(seen(window->EFF_EXP), window->display.CURSEUR_I, barsSince(mark)),
                  std::tuple(row.text, row.bin, row.bars)) << row.name;
    }
}

// Along one bin nothing is drawn; out of the band the label goes and the bar
// is restored; back in the band the same bin lights again at once.
TEST_F(ReadoutTest, TheBandAndTheBinLimitWhatIsRedrawn) {
    countNines();
    readBin(9);
    const std::size_t mark = display.recorded.ops.size();
    readBin(9, -1, window->display.DECAL1_I / 4);
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
    readBin(9);
    EXPECT_EQ(window->EFF_EXP.caption(), "");
}

class ComparedReadoutTest : public ReadoutTest {
protected:
    Names visibleReadouts() const {
        const KolvenWindow& w = *window;
        return visibleOf({&w.EFF_POI, &w.SOMME_POIS, &w.EFF_GAUSS, &w.SOMME_GAUSS, &w.EFF_COMPT, &w.SOMME_COMPT});
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
        readBin(0, panel);
        EXPECT_EQ((std::pair<int, std::string>(window->display.CURSEUR_I, window->EFF_COMPT.caption())),
                  std::pair(0, std::string(" Effectif de [ 0 ] = 0 ")));
        readBin(9, panel);
        EXPECT_EQ(window->EFF_COMPT.caption() + window->SOMME_COMPT.caption(),
                  " Effectif de [ 9 ] = 100  Somme de 0 à 9 = 100 ");
        EXPECT_EQ(visibleReadouts().size(), 6u);
    }
    // Above the band, clear of the labels, the read-outs go.
    window->pointerMoved(xOfBin(window->display.HORIZON_I, kPoissonPanel), window->SOMME_POIS.top() + 1);
    EXPECT_EQ(visibleReadouts(), Names{});
}

// A theoretical origin has no centre panel: four labels, and the centre of
// the window reads nothing.
TEST_F(ComparedReadoutTest, ATheoreticalOriginReadsFourLabels) {
    start();
    chooseLaw(&KolvenWindow::POISS);
    click(window->ANALYSES);
    readBin(window->display.ORIGINE_I + 9, kSeriesPanel);
    EXPECT_EQ(window->display.CURSEUR_I, window->display.HORIZON_I + 1);
    readBin(9, kGaussPanel);
    EXPECT_EQ(window->display.CURSEUR_I, 9);
    EXPECT_EQ(visibleReadouts(), (Names{"EFF_POI", "SOMME_POIS", "EFF_GAUSS", "SOMME_GAUSS"}));
}

}  // namespace
}  // namespace kolven::testing
