#include <algorithm>

#include "core/number_text.h"
#include "display/series_plot.h"
#include "shell/kolven_window.h"

namespace kolven {

namespace {

// A redraw takes the highlighted bar away: the read-outs of it go with it, and
// the next move of the pointer over the plot reads a bin again.
void hideCountReadouts(KolvenWindow& w)
{
    for (Control* c : {&w.EFF_EXP, &w.EFF_POI, &w.SOMME_POIS, &w.EFF_GAUSS, &w.SOMME_GAUSS, &w.EFF_COMPT,
                       &w.SOMME_COMPT})
        c->hide();
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
    if (MAX_L < 31) {
        F_V_M_Image.hide();
        F_V_P_Image.hide();
    }
}

// Base scale: 30 counts fill the plot height.
void KolvenWindow::BASE()
{
    F_V_P_Image.show();
    F_V_M_Image.hide();
    ECHELLEHS_S = ECHELLEH_S;
    ECHELLEH_S = static_cast<float>(ECHELLEH0_L) / 30.0f;
    TRACE_CADRE();
    TRACE_HISTO();  // which writes the full-scale count into CONTENUS
}

// Normalised scale: the largest bin of the whole histogram reaches the
// lower edge of CONTENUS.
void KolvenWindow::NORM()
{
    TRACE_CADRE();
    if (ECHELLEHS_S != 0)
        ECHELLEH_S = ECHELLEHS_S;
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
        ECHELLEH_S = static_cast<float>(static_cast<double>(POSAXE_I - CONTENUS.top() - CONTENUS.height()) / largest);
    return largest;
}


// The window of bins moves right by step, up to its last bin at 240.
void KolvenWindow::scrollRight(int step)
{
    if (runInProgress())
        return;
    for (Control* c : {&F_H_G_Image, &F_H_G_10, &F_H_D_10, &F_H_D_Image})
        c->show();
    ORIGINE_I = static_cast<std::int16_t>(ORIGINE_I + step);
    if (ORIGINE_I + HORIZON_I >= 240) {
        ORIGINE_I = static_cast<std::int16_t>(240 - HORIZON_I);
        F_H_D_10.hide();
        F_H_D_Image.hide();
    }
    redrawAfterScroll(true);
}

// The window of bins moves left by step, down to bin 0.
void KolvenWindow::scrollLeft(int step)
{
    if (runInProgress() || ORIGINE_I == 0)
        return;
    F_H_D_10.show();
    F_H_D_Image.show();
    ORIGINE_I = static_cast<std::int16_t>(ORIGINE_I - step);
    if (ORIGINE_I <= 0) {
        ORIGINE_I = 0;
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
            ECHELLEHS_S = ECHELLEH_S;
            ECHELLEH_S = static_cast<float>(ECHELLEH0_L) / 30.0f;
        }
        TRACE_COMPARAISON();
        return;
    }
    TRACE_CADRE();
    if (!base) {
        TRACE_HISTO();
    } else if (right) {
        ECHELLEHS_S = ECHELLEH_S;
        ECHELLEH_S = static_cast<float>(ECHELLEH0_L) / 30.0f;
        TRACE_HISTO();
    } else {
        if (ECHELLEHS_S != 0)
            ECHELLEH_S = ECHELLEHS_S;
        fitScaleToLargestBin();
        BASE();
    }
}

// Half as many bins, each twice as wide; the window keeps its first bin.
void KolvenWindow::F_H_M_Image1_Click()
{
    if (runInProgress() || HORIZON_I == 20)
        return;
    for (Control* c : {&F_H_D_Image, &F_H_D_10, &F_H_G_Image, &F_H_G_10, &F_H_P_Image})
        c->show();
    HORIZON_I = static_cast<std::int16_t>(HORIZON_I / 2);
    F_H_M_Image1.setVisible(HORIZON_I != 20);
    if (ORIGINE_I == 0) {
        F_H_G_Image.hide();
        F_H_G_10.hide();
    }
    // The plot keeps its width, DECAL1_I × HORIZON_I, whichever view is shown.
    DECAL1_I = static_cast<std::int16_t>(DECAL1_I * 2);
    redrawAfterZoom();
}

// Twice as many bins, each half as wide; the window keeps its first bin
// unless it would pass 240.
void KolvenWindow::F_H_P_Image_Click()
{
    if (runInProgress() || HORIZON_I >= 160)
        return;
    HORIZON_I = static_cast<std::int16_t>(HORIZON_I * 2);
    F_H_M_Image1.show();
    F_H_P_Image.setVisible(HORIZON_I < 160);
    const bool atFirstBin = ORIGINE_I == 0;
    F_H_G_Image.setVisible(!atFirstBin);
    F_H_G_10.setVisible(!atFirstBin);
    F_H_D_Image.show();
    F_H_D_10.show();
    if (HORIZON_I + ORIGINE_I >= 240) {
        ORIGINE_I = static_cast<std::int16_t>(240 - HORIZON_I);
        F_H_D_Image.hide();
        F_H_D_10.hide();
    }
    DECAL1_I = static_cast<std::int16_t>(roundEven(DECAL1_I / 2.0));
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
    if (runInProgress() || MAX_L < 30)
        return;
    F_V_P_Image.show();
    F_V_M_Image.hide();
    hideCountReadouts(*this);
    if (!analysisShown()) {
        BASE();
        return;
    }
    ECHELLEHS_S = ECHELLEH_S;
    ECHELLEH_S = static_cast<float>(ECHELLEH0_L) / 30.0f;
    TRACE_COMPARAISON();
}

}  // namespace kolven
