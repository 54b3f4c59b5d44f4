#include "core/number_text.h"
#include "laws/poisson_gauss.h"
#include "laws/running_total.h"
#include "shell/kolven_window.h"

namespace kolven {

// The comparison: the series beside the laws of Poisson and Gauss for its
// own mean and number of counts, each with its mean and its mean squared
// deviation, the three histograms drawn side by side.
void KolvenWindow::ANALYSES_Click()
{
    laws.TITRE_T = DISTR_COMPTAGES.caption();
    EFF_COMPT.setLeft(DISTR_COMPTAGES.left());
    if (series.MAX_L < 31) {
        F_V_P_Image.hide();
        F_V_M_Image.hide();
    }
    showSigma2WithDeviation();
    if (series.COMPTAGE_I == 1)
        return;  // a run owns the plot until it ends

    Label36.show();
    LANCER1.hide();
    EFFACERS.setEnabled(false);
    EFFACERS.show();
    for (Control* c : {&DUREES1, &ORIGINE, &ANALYSES}) {
        c->setEnabled(false);
        c->hide();
    }
    ASSOCIATIONS_List.hide();
    CONTENUS.hide();
    for (const ComparisonColumn& column : m_columns)
        column.total->setTop(CONTENUS.top());
    for (Control* c : {&Nmoyen, &EQM2_N, &SIGMA2})
        c->hide();
    layOutAnalysisColumns();

    series.MODE_T = "HISTOGRAMMES";
    for (Control* c : {&NOMB_COMPT, &TEMPS, &VAL_COMPT, &EFF_EXP})
        c->hide();
    // With a theoretical origin the origin's own law already holds the
    // series itself; only the other law is computed, for the series' mean.
    if (series.DONNEES_T != "POISSON")
        LOI_POISSON(series.S1_L, series.SN_L, laws);
    if (series.DONNEES_T != "GAUSS")
        LOI_GAUSS(series.S1_L, series.SN_L, laws);
    laws.CUMUL_COMPT = runningTotal(series.HISTO_COMPT);
    series.MOY_S = seriesMean(series.S1_L, series.SN_L);
    // The mean's bin is chosen, but the drawing that follows leaves nothing
    // selected, so that the first bin under the pointer is always read.
    display.CURSEUR_I = static_cast<std::int16_t>(roundEven(series.MOY_S));
    TRACE_COMPARAISON();
    showChiSquareTests();
    placeStreamCaption();
}

// Every column, a mean over its e.q.m.² with σ² just left of the value,
// aligned on the column's total read-out. The laws' variance is their mean:
// their e.q.m.² reads the series' mean.
void KolvenWindow::layOutAnalysisColumns()
{
    for (const ComparisonColumn& column : m_columns) {
        Control* meanLabel = column.mean;
        Control* deviation = column.deviation;
        Control* sigma = column.sigma;
        const Control* total = column.total;
        meanLabel->setFont(FIN.font());
        meanLabel->setCaption("Nmoyen ");
        meanLabel->setAutoSize(true);
        meanLabel->move(total->left(), TEMPS.top());
        deviation->setFont(FIN.font());
        deviation->setCaption(" = 23.02 ");
        deviation->setAutoSize(true);
        deviation->move(meanLabel->left() + meanLabel->width(), meanLabel->top() + static_cast<int>(roundEven(1.2 * meanLabel->height())));
        sigma->setHeight(deviation->height());
        sigma->setWidth(sigma->height());
        sigma->move(deviation->left() - sigma->height(), deviation->top());
        meanLabel->setCaption(Nmoyen.caption());
        deviation->setCaption(column.law ? " =" + series.NMOYEN_T : EQM2_N.caption());
        for (Control* c : {meanLabel, deviation, sigma})
            c->show();
    }
}

// "  Retour  ": the series view as it was before the comparison.
void KolvenWindow::Label36_Click()
{
    setSeriesTitle(laws.TITRE_T);
    Label36.hide();
    hideChiSquareTests();
    for (const ComparisonColumn& column : m_columns)
        for (Control* c : column.statistics())
            c->hide();
    EFFACERS.show();
    DUREES1.setEnabled(true);
    for (const ComparisonColumn& column : m_columns)
        for (Control* c : {column.title, column.count, column.total})
            c->hide();
    EFF_EXP.hide();
    ORIGINE.setEnabled(true);
    ANALYSES.setEnabled(true);
    for (Control* c : {&TEMPS, &Nmoyen, &EQM2_N, &NOMB_COMPT, &EFF_COMPT})
        c->hide();
    series.MODE_T = "";
    for (Control* c : {&TEMPS, &Nmoyen, &EQM2_N, &NOMB_COMPT, &DISTR_COMPTAGES, &ANALYSES})
        c->show();
    if (F_V_P_Image.visible())
        NORM();
    else
        BASE();
    unlockCommands();
    // σ² goes back beside the deviation it names, as the series view had it.
    showSigma2WithDeviation();
    placeStreamCaption();
}

void KolvenWindow::wireAnalysis()
{
    ANALYSES.onClick = [this] { ANALYSES_Click(); };
    Label36.onClick = [this] { Label36_Click(); };
}

}  // namespace kolven
