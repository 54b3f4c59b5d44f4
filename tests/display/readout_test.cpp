#include <string>
#include <vector>

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
    int seriesBandY() const
    {
        const double top = window->EQM2_N.top() + 1.1 * window->EQM2_N.height();
        const double bottom = window->EFF_EXP.top() - window->EFF_EXP.height() / 4.0;
        return static_cast<int>((top + bottom) / 2);
    }
    int xOfBin(int bin) const { return static_cast<int>(window->seriesPlot().centreOf(bin)); }
    void moveOverBin(int bin, int offset = 0) { window->pointerMoved(xOfBin(bin) + offset, seriesBandY()); }

    // The bars drawn since the mark, as (colour, on screen only).
    std::vector<RecordingSurface::Op> blocksSince(std::size_t mark) const
    {
        std::vector<RecordingSurface::Op> found;
        for (std::size_t i = mark; i < display.recorded.ops.size(); ++i)
            if (display.recorded.ops[i].kind == Kind::Block)
                found.push_back(display.recorded.ops[i]);
        return found;
    }
};

TEST_F(ReadoutTest, TheSeriesViewReadsTheBinUnderThePointer)
{
    countNines();
    const struct {
        const char* name;
        int bin;
        const char* text;
        std::vector<platform::Color> bars;  // restored old bar, lit new bar
    } rows[] = {
        // Bin 0, selected at start, is empty: entering the band lights nothing.
        {"a bin with counts", 9, " Effectif de [ 9 ] = 100 ", {kMagenta}},
        {"an empty bin: text, no highlight", 12, " Effectif de [ 12 ] = 0 ", {kBlue}},
        {"from an empty bin back to counts", 9, " Effectif de [ 9 ] = 100 ", {kMagenta}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::size_t mark = display.recorded.ops.size();
        moveOverBin(row.bin);
        EXPECT_EQ(window->EFF_EXP.caption(), row.text);
        EXPECT_TRUE(window->EFF_EXP.visible());
        EXPECT_EQ(window->display.CURSEUR_I, row.bin);
        std::vector<platform::Color> colours;
        for (const auto& op : blocksSince(mark)) {
            colours.push_back(op.color);
            EXPECT_FALSE(op.persistent) << "a highlight never enters the stored image";
        }
        EXPECT_EQ(colours, row.bars);
    }
}

// Along one bin nothing is drawn; out of the band the label goes and the bar
// is restored; back in the band the same bin lights again at once.
TEST_F(ReadoutTest, TheBandAndTheBinLimitWhatIsRedrawn)
{
    countNines();
    moveOverBin(9);
    const std::size_t mark = display.recorded.ops.size();
    moveOverBin(9, window->display.DECAL1_I / 4);
    EXPECT_EQ(display.recorded.ops.size(), mark);

    window->pointerMoved(xOfBin(9), window->EQM2_N.top());
    EXPECT_FALSE(window->EFF_EXP.visible());
    ASSERT_EQ(blocksSince(mark).size(), 1u);
    EXPECT_EQ(blocksSince(mark)[0].color, kBlue);

    const std::size_t back = display.recorded.ops.size();
    window->pointerMoved(xOfBin(9) + window->display.DECAL1_I * 1000, seriesBandY());  // in the band, beyond the bins
    EXPECT_TRUE(window->EFF_EXP.visible());
    EXPECT_EQ(window->display.CURSEUR_I, 9) << "beyond the bins the selection stays";
    ASSERT_EQ(blocksSince(back).size(), 1u);
    EXPECT_EQ(blocksSince(back)[0].color, kMagenta);
}

// A pointer half way between two bins takes the even one.
TEST_F(ReadoutTest, HalfWayBetweenBinsTheEvenOneIsRead)
{
    countNines();
    window->display.DECAL1_I = 100;  // an even width puts the half way on a whole twip
    window->pointerMoved(window->display.D1_I + 9 * 100 + 50, seriesBandY());
    EXPECT_EQ(window->display.CURSEUR_I, 10);
    window->pointerMoved(window->display.D1_I + 10 * 100 + 50, seriesBandY());
    EXPECT_EQ(window->display.CURSEUR_I, 10);
}

TEST_F(ReadoutTest, SilentWhileAListIsOpen)
{
    countNines();
    hover(window->LANCER1);  // the list of run lengths opens
    moveOverBin(9);
    EXPECT_EQ(window->EFF_EXP.caption(), "");
}

class ComparedReadoutTest : public ReadoutTest {
protected:
    int analysisBandY() const
    {
        const double top = window->SOMME_POIS.top() + 1.1 * window->SOMME_POIS.height();
        const double bottom = window->EFF_EXP.top() + window->EFF_EXP.height();
        return static_cast<int>((top + bottom) / 2);
    }
    std::vector<const Control*> readouts() const
    {
        const KolvenWindow& w = *window;
        return {&w.EFF_POI, &w.SOMME_POIS, &w.EFF_GAUSS, &w.SOMME_GAUSS, &w.EFF_COMPT, &w.SOMME_COMPT};
    }
};

// Right after the analysis opens nothing is selected, so even position 0 of
// a panel is read; every panel reads the same bin.
TEST_F(ComparedReadoutTest, EveryPanelReadsTheSameBinFromTheFirstOne)
{
    countNines();
    click(window->ANALYSES);
    for (int panel : {kPoissonPanel, kSeriesPanel, kGaussPanel}) {
        SCOPED_TRACE(panel);
        window->display.CURSEUR_I = static_cast<std::int16_t>(window->display.HORIZON_I + 1);
        const PlotGeometry plot = window->columnPlot(window->comparisonColumns()[panel]);
        window->pointerMoved(static_cast<int>(plot.centreOf(0)), analysisBandY());
        EXPECT_EQ(window->display.CURSEUR_I, 0);
        EXPECT_EQ(window->EFF_COMPT.caption(), " Effectif de [ 0 ] = 0 ");
        window->pointerMoved(static_cast<int>(plot.centreOf(9)), analysisBandY());
        EXPECT_EQ(window->EFF_COMPT.caption(), " Effectif de [ 9 ] = 100 ");
        EXPECT_EQ(window->SOMME_COMPT.caption(), " Somme de 0 à 9 = 100 ");
        for (const Control* c : readouts())
            EXPECT_TRUE(c->visible()) << c->name();
    }
    // Above the band, clear of the labels, the read-outs go.
    window->pointerMoved(static_cast<int>(window->columnPlot(window->comparisonColumns()[kPoissonPanel]).centreOf(window->display.HORIZON_I)),
                         window->SOMME_POIS.top() + 1);
    for (const Control* c : readouts())
        EXPECT_FALSE(c->visible()) << c->name();
}

// A theoretical origin has no centre panel: four labels, and the centre of
// the window reads nothing.
TEST_F(ComparedReadoutTest, ATheoreticalOriginReadsFourLabels)
{
    start();
    chooseLaw(&KolvenWindow::POISS);
    click(window->ANALYSES);
    const int centre = static_cast<int>(window->columnPlot(window->comparisonColumns()[kSeriesPanel]).centreOf(window->display.ORIGINE_I + 9));
    window->pointerMoved(centre, analysisBandY());
    EXPECT_EQ(window->display.CURSEUR_I, window->display.HORIZON_I + 1);
    window->pointerMoved(static_cast<int>(window->columnPlot(window->comparisonColumns()[kGaussPanel]).centreOf(9)), analysisBandY());
    EXPECT_EQ(window->display.CURSEUR_I, 9);
    EXPECT_TRUE(window->EFF_POI.visible() && window->EFF_GAUSS.visible());
    EXPECT_FALSE(window->EFF_COMPT.visible() || window->SOMME_COMPT.visible());
}

}  // namespace
}  // namespace kolven::testing
