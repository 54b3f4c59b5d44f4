#include "shell/kolven_window.h"

namespace kolven {

void KolvenWindow::closeAllMenus()
{
    for (Control* c : {&LANCER_N, &VALEUR_A_Label, &VALEUR_A_List, &Label33, &Label34, &Label35, &Label37, &Label38,
                       &AUGMENT1, &AUGMENT2, &DIMINUE1, &DIMINUE2, &THEORIQUE_Label, &POISS, &GAUSSIEN,
                       &ASSOCIATIONS_List})
        c->hide();
    hideCommandMenus();
}

void KolvenWindow::hideCommandMenus()
{
    for (Control* c : commandMenus())
        c->hide();
}

// A command label's list opens over the last column of the analysis.
void KolvenWindow::openCommandMenu(Control& list)
{
    for (Control* c : columnUnderMenus().statistics())
        c->hide();
    LANCER_N.hide();
    refreshChiSquareLines();
    showSigma2WithDeviation();
    closeAllMenus();
    list.show();
}

// A command list's entry is taken once: none stays selected, so that the
// same one can be chosen again.
int KolvenWindow::takeCommandMenuEntry(Control& list, Covered covered)
{
    const int entry = list.index();
    list.setIndex(-1);
    closeAllMenus();
    if (covered == Covered::Restore)
        restoreCoveredItems();
    return entry;
}

// The menus open over the last column of the analysis and the σ² symbol of
// the series; closing them brings those back when their owner is on screen.
void KolvenWindow::restoreCoveredItems()
{
    if (analysisShown())
        for (Control* c : columnUnderMenus().statistics())
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
    for (Control* c : {&LANCER_N, &AUGMENT1, &AUGMENT2, &DIMINUE1, &DIMINUE2, &POISS, &GAUSSIEN})
        c->hide();
    hideCommandMenus();
}

void KolvenWindow::INFORMATIONS_PointerOver()
{
    openCommandMenu(INFOS);
    Label35.show();
}

void KolvenWindow::Label36_PointerOver()
{
    for (Control* c : columnUnderMenus().statistics())
        c->show();
    refreshChiSquareLines();
    Label35.hide();
    hideCommandMenus();
}

void KolvenWindow::wireMenuClosers()
{
    FIN.onPointerOver = [this](int, int) { FIN_PointerOver(); };
    Picture1.onPointerOver = [this](int, int) { Picture1_PointerOver(); };
    KOLVEN_Image1.onPointerOver = Picture1.onPointerOver;
    TITRE.onPointerOver = Picture1.onPointerOver;
    EFFACERS.onPointerOver = [this](int, int) { EFFACERS_PointerOver(); };
    ANALYSES.onPointerOver = [this](int, int) { ANALYSES_PointerOver(); };
    INFORMATIONS.onPointerOver = [this](int, int) { INFORMATIONS_PointerOver(); };
    Label36.onPointerOver = [this](int, int) { Label36_PointerOver(); };
    for (Control* arrow : {&F_H_G_Image, &F_H_G_10, &F_H_D_Image, &F_H_D_10, &F_H_P_Image, &F_H_M_Image1,
                           &F_V_P_Image, &F_V_M_Image})
        arrow->onPointerOver = [this](int, int) { EFFACE_CHOIX(); };
}

}  // namespace kolven
