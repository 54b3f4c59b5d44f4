#include <array>
#include <tuple>

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
    TITRE_T = DISTR_COMPTAGES.caption();
    EFF_COMPT.setLeft(DISTR_COMPTAGES.left());
    if (MAX_L < 31) {
        F_V_P_Image.hide();
        F_V_M_Image.hide();
    }
    showSigma2WithDeviation();
    if (COMPTAGE_I == 1)
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
    for (Control* c : {&SOMME_POIS, &SOMME_COMPT, &SOMME_GAUSS})
        c->setTop(CONTENUS.top());
    for (Control* c : {&Nmoyen, &EQM2_N, &SIGMA2})
        c->hide();
    layOutAnalysisColumns();

    MODE_T = "HISTOGRAMMES";
    for (Control* c : {&NOMB_COMPT, &TEMPS, &VAL_COMPT, &EFF_EXP})
        c->hide();
    // With a theoretical origin the origin's own law already holds the
    // series itself; only the other law is computed, for the series' mean.
    if (DONNEES_T != "POISSON")
        LOI_POISSON(S1_L, SN_L, *this);
    if (DONNEES_T != "GAUSS")
        LOI_GAUSS(S1_L, SN_L, *this);
    CUMUL_COMPT = runningTotal(HISTO_COMPT);
    MOY_S = seriesMean(S1_L, SN_L);
    // The mean's bin is chosen, but the drawing that follows leaves nothing
    // selected, so that the first bin under the pointer is always read.
    CURSEUR_I = static_cast<std::int16_t>(roundEven(MOY_S));
    TRACE_COMPARAISON();
    showChiSquareTests();
}

// Three columns (the series, Poisson, Gauss), each a mean over its e.q.m.²
// with σ² just left of the value, aligned on the column's total read-out.
// The laws' variance is their mean: their e.q.m.² reads the series' mean.
void KolvenWindow::layOutAnalysisColumns()
{
    const std::string lawDeviation = " =" + NMOYEN_T;
    const std::array columns = {
        std::tuple{&NMOYENEX, &EQM2_EX, &SIGMA2EX, &SOMME_COMPT, EQM2_N.caption()},
        std::tuple{&NMOYENP, &EQM2_P, &SIGMA2P, &SOMME_POIS, lawDeviation},
        std::tuple{&NMOYENG, &EQM2_G, &SIGMA2G, &SOMME_GAUSS, lawDeviation},
    };
    for (const auto& [mean, deviation, sigma, total, deviationText] : columns) {
        mean->setFont(FIN.font());
        mean->setCaption("Nmoyen ");
        mean->setAutoSize(true);
        mean->move(total->left(), TEMPS.top());
        deviation->setFont(FIN.font());
        deviation->setCaption(" = 23.02 ");
        deviation->setAutoSize(true);
        deviation->move(mean->left() + mean->width(), mean->top() + static_cast<int>(roundEven(1.2 * mean->height())));
        sigma->setHeight(deviation->height());
        sigma->setWidth(sigma->height());
        sigma->move(deviation->left() - sigma->height(), deviation->top());
        mean->setCaption(Nmoyen.caption());
        deviation->setCaption(deviationText);
        for (Control* c : {mean, deviation, sigma})
            c->show();
    }
}

// "  Retour  ": the series view as it was before the comparison.
void KolvenWindow::Label36_Click()
{
    setSeriesTitle(TITRE_T);
    Label36.hide();
    hideChiSquareTests();
    for (Control* c : {&NMOYENEX, &EQM2_EX, &SIGMA2EX, &NMOYENP, &EQM2_P, &SIGMA2P, &NMOYENG, &EQM2_G, &SIGMA2G})
        c->hide();
    EFFACERS.show();
    DUREES1.setEnabled(true);
    for (Control* c : {&DISTR_POISSON, &DISTR_COMPTAGES, &DISTR_GAUSS, &SOMME_POIS, &SOMME_COMPT, &SOMME_GAUSS,
                       &EFF_POI, &EFF_EXP, &EFF_GAUSS})
        c->hide();
    ORIGINE.setEnabled(true);
    ANALYSES.setEnabled(true);
    for (Control* c : {&TEMPS, &Nmoyen, &EQM2_N, &NOMB_COMPT, &EFF_COMPT})
        c->hide();
    MODE_T = "";
    for (Control* c : {&TEMPS, &Nmoyen, &EQM2_N, &NOMB_COMPT, &DISTR_COMPTAGES, &ANALYSES})
        c->show();
    if (F_V_P_Image.visible())
        NORM();
    else
        BASE();
    unlockCommands();
    // σ² goes back beside the deviation it names, as the series view had it.
    showSigma2WithDeviation();
}

}  // namespace kolven
