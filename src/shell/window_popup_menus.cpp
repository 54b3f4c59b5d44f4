#include "shell/kolven_window.h"

namespace kolven {

void KolvenWindow::closeAllMenus()
{
    for (Control* c : {&LANCER_N, &VALEUR_A_Label, &VALEUR_A_List, &Label33, &Label34, &Label35, &Label37, &Label38,
                       &AUGMENT1, &AUGMENT2, &DIMINUE1, &DIMINUE2, &THEORIQUE_Label, &POISS, &GAUSSIEN,
                       &ASSOCIATIONS_List, &INFOS})
        c->hide();
}

// The menus open over the Gauss column of the analysis and the σ² symbol of
// the series; closing them brings those back when their owner is on screen.
void KolvenWindow::restoreCoveredItems()
{
    if (analysisShown())
        for (Control* c : {&NMOYENG, &EQM2_G, &SIGMA2G})
            c->show();
    showSigma2WithDeviation();
    refreshChiSquareLines();
}

void KolvenWindow::EFFACE_CHOIX()
{
    LANCER_N.hide();
    F_H_D_Image.show();
    hideScrollButtonsAtEnds();
    restoreCoveredItems();
    closeAllMenus();
}

void KolvenWindow::Form_Click()
{
    if (runInProgress())
        return;  // during a run an open menu stays open
    closeAllMenus();
    restoreCoveredItems();
}

void KolvenWindow::Picture1_PointerOver()
{
    EFFACE_CHOIX();
}

void KolvenWindow::ANALYSES_PointerOver()
{
    showSigma2WithDeviation();
    closeAllMenus();
}

void KolvenWindow::EFFACERS_PointerOver()
{
    showSigma2WithDeviation();
    closeAllMenus();
}

void KolvenWindow::FIN_PointerOver()
{
    for (Control* c : {&LANCER_N, &AUGMENT1, &AUGMENT2, &DIMINUE1, &DIMINUE2, &POISS, &GAUSSIEN, &INFOS})
        c->hide();
}

void KolvenWindow::INFORMATIONS_PointerOver()
{
    for (Control* c : {&NMOYENG, &EQM2_G, &SIGMA2G, &LANCER_N})
        c->hide();
    refreshChiSquareLines();
    showSigma2WithDeviation();
    closeAllMenus();
    Label35.show();
    INFOS.show();
}

void KolvenWindow::Label36_PointerOver()
{
    for (Control* c : {&NMOYENG, &EQM2_G, &SIGMA2G})
        c->show();
    refreshChiSquareLines();
    Label35.hide();
    INFOS.hide();
}

}  // namespace kolven
