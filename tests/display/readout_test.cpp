#include "display/series_plot.h"
#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

using Kind = RecordingSurface::Kind;

const platform::Color kMagenta = platform::paletteColor(kHighlightColor), kBlue = platform::paletteColor(kPlotColor);

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

// What the window draws over the plots must leave the plots readable: no
// control over a bar or under another control, no two rows of labels run
// together, no read-out of a bar that is not lit. Everything is measured on
// the rectangles the window draws and shows, with the fake display's text
// widths.
bool meet(const platform::Rect& a, const platform::Rect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

platform::Rect rectOf(const RecordingSurface::Op& block) {
    const int left = std::min(block.x1, block.x2), top = std::min(block.y1, block.y2);
    return {left, top, std::max(block.x1, block.x2) - left + 1, std::max(block.y1, block.y2) - top + 1};
}

class PlotClearanceTest : public WindowFixture {
protected:
    // 100 000 counts of the law of Poisson at mean 10.
    void poissonAtTen() {
        start();
        window->mean.TEMPS_S = 10;
        chooseLaw(&KolvenWindow::POISS, 100);
    }
    // The first bar drawn that meets the control; none: -1.
    int barUnder(const Control& c) const {
        for (const auto& op : display.recorded.ofKind(Kind::Block))
            if (meet(rectOf(op), c.windowRect()))
                return op.x1;
        return -1;
    }
};

// The count read-outs of the analysis stand over the panels; the bars,
// the highlighted one too, stay under them at either scale.
TEST_F(PlotClearanceTest, TheAnalysisBarsStayUnderTheCountReadouts) {
    // At the base scale 30 counts fill the height: the tall bars reach the ceiling.
    const struct { const char* name; bool baseScale; } rows[] = {
        {"tallest bar fills the height", false},
        {"30 counts fill the height", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        poissonAtTen();
        click(window->ANALYSES);
        if (row.baseScale)
            click(window->F_V_M_Image);
        readBin(9, kPoissonPanel);
        ASSERT_EQ(window->EFF_POI.caption().rfind(" Effectif de [ 9 ]", 0), 0u);
        for (const Control* readout : {&window->EFF_POI, &window->SOMME_POIS, &window->EFF_GAUSS, &window->SOMME_GAUSS})
            EXPECT_EQ(std::pair(readout->onScreen(), barUnder(*readout)), std::pair(true, -1)) << readout->name();
    }
}

// EFF_EXP follows the pointer along the row of the zoom buttons, never
// under one that is shown, whatever the number of bins.
TEST_F(PlotClearanceTest, TheSeriesReadoutStandsBesideTheZoomButtons) {
    const struct { const char* name; int fewer, more; } rows[] = {  // clicks on F_H_M_Image1, then F_H_P_Image
        {"80 bins, both buttons", 0, 0},
        {"20 bins, the more-bins button alone", 2, 0},
        {"160 bins, the fewer-bins button alone", 0, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        countNines();
        clickTimes(window->F_H_M_Image1, row.fewer);
        clickTimes(window->F_H_P_Image, row.more);
        for (int bin = 0; bin <= window->display.HORIZON_I; ++bin) {
            readBin(bin);
            ASSERT_TRUE(window->EFF_EXP.onScreen());
            for (const Control* zoom : {&window->F_H_M_Image1, &window->F_H_P_Image})
                ASSERT_FALSE(zoom->onScreen() && meet(zoom->windowRect(), window->EFF_EXP.windowRect()))
                    << "bin " << bin << " under " << zoom->name();
        }
    }
}

// The vertical scale arrows stand left of the plot's first bar, however
// wide the bins, in either view: here the first bin shown is the peak, a
// full bar of 100 counts in the series, the tallest Poisson bar of the
// analysis.
TEST_F(PlotClearanceTest, TheScaleArrowsStayLeftOfTheFirstBar) {
    const struct { const char* name; bool analysis; int fewer; } rows[] = {
        {"series, 80 bins", false, 0},
        {"series, 20 bins, the widest", false, 2},
        {"analysis, 80 bins", true, 0},
        {"analysis, 20 bins, the widest", true, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.analysis) {
            poissonAtTen();
            click(window->ANALYSES);
        } else {
            countNines();
        }
        clickTimes(window->F_H_M_Image1, row.fewer);
        clickTimes(window->F_H_D_Image, 9);
        ASSERT_EQ(window->display.ORIGINE_I, 9);
        for (const Control* arrow : {&window->F_V_P_Image, &window->F_V_M_Image})
            EXPECT_TRUE(!arrow->onScreen() || barUnder(*arrow) < 0) << arrow->name();
        EXPECT_TRUE(window->F_V_P_Image.onScreen() || window->F_V_M_Image.onScreen());
    }
}

// Across 160 bins the last label of one panel and the first of the next must
// not stand closer than any two labels of one panel do.
TEST_F(PlotClearanceTest, TheLabelRowsOfNeighbouringPanelsStayApart) {
    for (auto [width, height] : {std::pair{1024, 768}, {1920, 1080}}) {
        SCOPED_TRACE(width);
        display.widthPixels = width;
        display.heightPixels = height;
        countNines();
        click(window->ANALYSES);
        click(window->F_H_P_Image);
        clickTimes(window->F_H_D_10, 7);
        ASSERT_EQ(window->display.ORIGINE_I, 70);
        struct Label { int left, right, number; };
        std::vector<Label> labels;
        for (const auto& op : display.recorded.ofKind(Kind::Text))
            labels.push_back(
                {op.x1, op.x1 + display.measure(window->windowFont(), op.text).width, std::stoi(op.text)});
        std::sort(labels.begin(), labels.end(), [](const Label& a, const Label& b) { return a.left < b.left; });
        ASSERT_EQ(labels.size(), 27u);

        int narrowestInRow = window->windowWidth(), narrowestBetweenRows = window->windowWidth();
        for (std::size_t i = 1; i < labels.size(); ++i) {
            const int room = labels[i].left - labels[i - 1].right;
            int& narrowest = labels[i].number > labels[i - 1].number ? narrowestInRow : narrowestBetweenRows;
            narrowest = std::min(narrowest, room);
        }
        EXPECT_GE(narrowestBetweenRows, narrowestInRow);
    }
}

// A redraw by an arrow button takes the highlight away: no read-out may go
// on naming a bin that is no longer lit.
TEST_F(PlotClearanceTest, NoReadoutStaysWithoutItsLitBar) {
    const struct { const char* name; bool analysis; Control KolvenWindow::*button; } rows[] = {
        {"series view, fewer bins", false, &KolvenWindow::F_H_M_Image1},
        {"series view, one bin right", false, &KolvenWindow::F_H_D_Image},
        {"analysis, fewer bins", true, &KolvenWindow::F_H_M_Image1},
    };
    const platform::Color lit = platform::paletteColor(kHighlightColor);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        countNines();
        if (row.analysis)
            click(window->ANALYSES);
        readBin(9, row.analysis ? kPoissonPanel : -1);
        const Control& readout = row.analysis ? window->EFF_COMPT : window->EFF_EXP;
        ASSERT_TRUE(readout.onScreen());
        click((*window).*row.button);
        bool barLit = false;
        for (const auto& op : display.recorded.ofKind(Kind::Block))
            barLit = barLit || (!op.persistent && op.color == lit);
        EXPECT_TRUE(!readout.onScreen() || barLit) << readout.caption();
    }
}

// The χ² lines give their rows to the bin read-outs while a bin is read;
// when an arrow's redraw hides the read-outs, the lines take the rows back.
TEST_F(PlotClearanceTest, TheChiSquareLinesComeBackWhenAnArrowHidesTheReadouts) {
    const struct { const char* name; Control KolvenWindow::*button; } rows[] = {
        {"fewer bins", &KolvenWindow::F_H_M_Image1},
        {"one bin right", &KolvenWindow::F_H_D_Image},
        {"base scale", &KolvenWindow::F_V_M_Image},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        poissonAtTen();
        click(window->ANALYSES);
        ASSERT_TRUE(window->KHI2_G.onScreen());
        readBin(9, kPoissonPanel);
        ASSERT_FALSE(window->KHI2_G.onScreen());
        click((*window).*row.button);
        EXPECT_EQ(std::tuple(window->EFF_GAUSS.onScreen(), window->KHI2_G.onScreen(), window->SEUIL_G.onScreen()),
                  std::tuple(false, true, true));
    }
}

}  // namespace
}  // namespace kolven::testing
