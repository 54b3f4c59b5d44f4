#include "core/number_text.h"
#include "display/series_plot.h"
#include "shell/kolven_window.h"

namespace kolven {

void KolvenWindow::EFFACERS_Click()
{
    DEPASSE.hide();
    F_H_G_Image.show();
    F_H_D_Image.show();
    hideScrollButtonsAtEnds();
    F_V_P_Image.hide();
    F_V_M_Image.hide();
    series.MAX_L = 0;
    eraseSeries();
}

// Puts the series back to empty and the plot to a fresh start: 30 counts
// fill its height. The reading position in the interval file stays.
void KolvenWindow::eraseSeries()
{
    EFFACERS.setEnabled(false);
    series.S2N_D = 0;
    series.MAX_L = 0;
    series.SN_L = 0;
    series.S1_L = 0;
    for (int k = 0; k <= 240; ++k)
        series.HISTO_COMPT[k] = 0;
    for (Control* c : {&NOMB_COMPT, &VAL_COMPT, &Nmoyen, &EQM2_N, &SIGMA2})
        c->hide();
    ANALYSES.setEnabled(false);
    TRACE_CADRE();
    display.ECHELLEH_S = baseScale(display.ECHELLEH0_L);
    showFullScale(fullScaleCount(display.ECHELLEH0_L, display.ECHELLEH_S));
    for (Control* c : {&POISS, &GAUSSIEN, &ASSOCIATIONS_List, &THEORIQUE_Label})
        c->hide();
    withdrawNotice(Notice::SeriesFull);
}

void KolvenWindow::wireErase()
{
    EFFACERS.onClick = [this] { EFFACERS_Click(); };
}

}  // namespace kolven
