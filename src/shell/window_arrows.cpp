#include <algorithm>

#include "core/number_text.h"
#include "display/series_plot.h"
#include "shell/kolven_window.h"

namespace kolven {

namespace {

// A redraw takes the highlighted bar away: the read-outs of it go with it, and
// the next move of the pointer over the plot reads a bin again. The χ² lines
// that gave way to the read-outs take their rows back.
void hideCountReadouts(KolvenWindow& w)
{
    w.EFF_EXP.hide();
    for (const ComparisonColumn& column : w.comparisonColumns())
        for (Control* c : column.readouts())
            c->hide();
    w.refreshChiSquareLines();
}

}  // namespace

// Hides the arrow buttons that cannot act on the current window of bins
// and scale.
void KolvenWindow::FLECHES()
{
    hideScrollButtonsAtEnds();
    if (!F_V_P_Image.visible() && !F_V_M_Image.visible())
        F_V_M_Image.show();
    // A series whose reference height is 30 or less has no choice of scale.
    if (series.MAX_L < 31) {
        F_V_M_Image.hide();
        F_V_P_Image.hide();
    }
}

// Base scale: 30 counts fill the plot height.
void KolvenWindow::BASE()
{
    F_V_P_Image.show();
    F_V_M_Image.hide();
    display.ECHELLEHS_S = display.ECHELLEH_S;
    display.ECHELLEH_S = baseScale(display.ECHELLEH0_L);
    TRACE_CADRE();
    TRACE_HISTO();  // which writes the full-scale count into CONTENUS
}

// Normalised scale: the largest bin of the whole histogram reaches the
// lower edge of CONTENUS.
void KolvenWindow::NORM()
{
    TRACE_CADRE();
    if (display.ECHELLEHS_S != 0)
        display.ECHELLEH_S = display.ECHELLEHS_S;
    const int largest = fitScaleToLargestBin();
    TRACE_HISTO();
    showFullScale(std::max(largest, 30));
}

// A largest bin of 30 or more reaches exactly the lower edge of CONTENUS;
// below 30 the scale stays. Returns the largest bin of the whole histogram.
int KolvenWindow::fitScaleToLargestBin()
{
    const int largest = largestBin();
    if (largest >= 30)
        display.ECHELLEH_S = static_cast<float>(static_cast<double>(display.POSAXE_I - CONTENUS.top() - CONTENUS.height()) / largest);
    return largest;
}


// The window of bins moves right by step, up to its last bin at 240.
void KolvenWindow::scrollRight(int step)
{
    if (runInProgress())
        return;
    for (Control* c : {&F_H_G_Image, &F_H_G_10, &F_H_D_10, &F_H_D_Image})
        c->show();
    display.ORIGINE_I = static_cast<std::int16_t>(display.ORIGINE_I + step);
    if (display.ORIGINE_I + display.HORIZON_I >= 240) {
        display.ORIGINE_I = static_cast<std::int16_t>(240 - display.HORIZON_I);
        F_H_D_10.hide();
        F_H_D_Image.hide();
    }
    redrawAfterScroll(true);
}

// The window of bins moves left by step, down to bin 0.
void KolvenWindow::scrollLeft(int step)
{
    if (runInProgress() || display.ORIGINE_I == 0)
        return;
    F_H_D_10.show();
    F_H_D_Image.show();
    display.ORIGINE_I = static_cast<std::int16_t>(display.ORIGINE_I - step);
    if (display.ORIGINE_I <= 0) {
        display.ORIGINE_I = 0;
        F_H_G_Image.hide();
        F_H_G_10.hide();
    }
    redrawAfterScroll(false);
}

// A scroll at the base scale ends at the base scale. Going left, the scale
// saved for the normalised view is first brought up to date from the whole
// histogram, so that the next switch to it fits the data.
void KolvenWindow::redrawAfterScroll(bool right)
{
    hideCountReadouts(*this);
    const bool base = F_V_P_Image.visible();
    if (analysisShown()) {
        if (base) {
            display.ECHELLEHS_S = display.ECHELLEH_S;
            display.ECHELLEH_S = baseScale(display.ECHELLEH0_L);
        }
        TRACE_COMPARAISON();
        return;
    }
    TRACE_CADRE();
    if (!base) {
        TRACE_HISTO();
    } else if (right) {
        display.ECHELLEHS_S = display.ECHELLEH_S;
        display.ECHELLEH_S = baseScale(display.ECHELLEH0_L);
        TRACE_HISTO();
    } else {
        if (display.ECHELLEHS_S != 0)
            display.ECHELLEH_S = display.ECHELLEHS_S;
        fitScaleToLargestBin();
        BASE();
    }
}

// Half as many bins, each twice as wide; the window keeps its first bin.
void KolvenWindow::F_H_M_Image1_Click()
{
    if (runInProgress() || display.HORIZON_I == 20)
        return;
    for (Control* c : {&F_H_D_Image, &F_H_D_10, &F_H_G_Image, &F_H_G_10, &F_H_P_Image})
        c->show();
    display.HORIZON_I = static_cast<std::int16_t>(display.HORIZON_I / 2);
    F_H_M_Image1.setVisible(display.HORIZON_I != 20);
    if (display.ORIGINE_I == 0) {
        F_H_G_Image.hide();
        F_H_G_10.hide();
    }
    // The plot keeps its width, DECAL1_I × HORIZON_I, whichever view is shown.
    display.DECAL1_I = static_cast<std::int16_t>(display.DECAL1_I * 2);
    redrawAfterZoom();
}

// Twice as many bins, each half as wide; the window keeps its first bin
// unless it would pass 240.
void KolvenWindow::F_H_P_Image_Click()
{
    if (runInProgress() || display.HORIZON_I >= 160)
        return;
    display.HORIZON_I = static_cast<std::int16_t>(display.HORIZON_I * 2);
    F_H_M_Image1.show();
    F_H_P_Image.setVisible(display.HORIZON_I < 160);
    const bool atFirstBin = display.ORIGINE_I == 0;
    F_H_G_Image.setVisible(!atFirstBin);
    F_H_G_10.setVisible(!atFirstBin);
    F_H_D_Image.show();
    F_H_D_10.show();
    if (display.HORIZON_I + display.ORIGINE_I >= 240) {
        display.ORIGINE_I = static_cast<std::int16_t>(240 - display.HORIZON_I);
        F_H_D_Image.hide();
        F_H_D_10.hide();
    }
    display.DECAL1_I = static_cast<std::int16_t>(roundEven(display.DECAL1_I / 2.0));
    redrawAfterZoom();
}

void KolvenWindow::redrawAfterZoom()
{
    hideCountReadouts(*this);
    if (LANCER1.visible()) {
        TRACE_CADRE();
        TRACE_HISTO();
    } else if (analysisShown()) {
        TRACE_COMPARAISON();
    }
}

// Normalised scale: the tallest bar fills the plot.
void KolvenWindow::F_V_P_Image_Click()
{
    if (runInProgress())
        return;
    F_V_P_Image.hide();
    F_V_M_Image.show();
    hideCountReadouts(*this);
    if (analysisShown())
        TRACE_COMPARAISON();
    else
        NORM();
}

// Base scale: 30 counts fill the plot. A series that never went past 30
// has nothing to switch back from.
void KolvenWindow::F_V_M_Image_Click()
{
    if (runInProgress() || series.MAX_L < 30)
        return;
    F_V_P_Image.show();
    F_V_M_Image.hide();
    hideCountReadouts(*this);
    if (!analysisShown()) {
        BASE();
        return;
    }
    display.ECHELLEHS_S = display.ECHELLEH_S;
    display.ECHELLEH_S = baseScale(display.ECHELLEH0_L);
    TRACE_COMPARAISON();
}

void KolvenWindow::wireArrows()
{
    F_H_D_10.onClick = [this] { F_H_D_10_Click(); };
    F_H_D_Image.onClick = [this] { F_H_D_Image_Click(); };
    F_H_G_10.onClick = [this] { F_H_G_10_Click(); };
    F_H_G_Image.onClick = [this] { F_H_G_Image_Click(); };
    F_H_M_Image1.onClick = [this] { F_H_M_Image1_Click(); };
    F_H_P_Image.onClick = [this] { F_H_P_Image_Click(); };
    F_V_P_Image.onClick = [this] { F_V_P_Image_Click(); };
    F_V_M_Image.onClick = [this] { F_V_M_Image_Click(); };
}

}  // namespace kolven
