#include <array>

#include "core/number_text.h"
#include "shell/kolven_window.h"

namespace kolven {

namespace {

constexpr std::int16_t kLowestMean = 1;      // 0.1, in tenths
constexpr std::int16_t kHighestMean = 1700;  // 170.0
// Steps of AUGMENT2 and DIMINUE2, and values of VALEUR_A_List, in tenths.
constexpr std::array<std::int16_t, 8> kSteps = {1, 2, 5, 10, 20, 50, 100, 200};
constexpr std::array<std::int16_t, 8> kValues = {1, 10, 40, 90, 160, 250, 360, 490};

// The list's chosen entry, then no selection, so that the same entry can be
// chosen again; -1 when no entry was chosen.
int takeChoice(Control& list)
{
    const int k = list.index();
    list.setIndex(-1);
    return k >= 0 && k < 8 ? k : -1;
}

}  // namespace

void KolvenWindow::DUREES1_PointerOver()
{
    if (Label33.visible())
        return;
    SIGMA2.hide();
    LANCER_N.hide();
    Label33.setCaption(" Moyenne théorique des comptages ");
    Label33.show();
    for (Control* c : {&Label34, &Label35, &Label37, &Label38})
        c->hide();
    if (highlightedGroup() != Group::None)
        for (Control* c : {&AUGMENT1, &AUGMENT2, &VALEUR_A_Label, &VALEUR_A_List, &DIMINUE1, &DIMINUE2})
            c->show();
    for (Control* c : {&THEORIQUE_Label, &POISS, &GAUSSIEN, &ASSOCIATIONS_List})
        c->hide();
    hideCommandMenus();
}

void KolvenWindow::AUGMENT2_Click()
{
    const int k = takeChoice(AUGMENT2);
    DEPASSE.hide();
    if (k < 0)
        return;
    mean.TEMPS_I = static_cast<std::int16_t>(mean.TEMPS_I + kSteps[k]);
    DIMINUE2.show();
    DIMINUE1.show();
    if (mean.TEMPS_I >= kHighestMean) {
        mean.TEMPS_I = kHighestMean;
        AUGMENT1.hide();
        AUGMENT2.hide();
    }
    applyMeanStep();
}

void KolvenWindow::DIMINUE2_Click()
{
    const int k = takeChoice(DIMINUE2);
    DEPASSE.hide();
    if (k < 0)
        return;
    mean.TEMPS_I = static_cast<std::int16_t>(mean.TEMPS_I - kSteps[k]);
    if (mean.TEMPS_I <= kLowestMean) {
        mean.TEMPS_I = kLowestMean;  // the floor, also when the step went below zero
        DIMINUE2.hide();
        DIMINUE1.hide();
    }
    AUGMENT1.show();
    AUGMENT2.show();
    applyMeanStep();
}

// After a step: the mean, its read-out (which keeps its visibility), and an
// empty series.
void KolvenWindow::applyMeanStep()
{
    mean.TEMPS_S = static_cast<float>(mean.TEMPS_I) / 10.0f;
    setMeanText(fixedText(mean.TEMPS_I / 10.0));
    eraseSeries();
    F_V_P_Image.hide();
    F_V_M_Image.hide();
}

void KolvenWindow::VALEUR_A_List_Click()
{
    const int k = takeChoice(VALEUR_A_List);
    DEPASSE.hide();
    if (k < 0)
        return;
    mean.TEMPS_I = kValues[k];
    mean.TEMPS_S = static_cast<float>(mean.TEMPS_I) / 10.0f;
    setMeanText(fixedText(mean.TEMPS_S));
    TEMPS.show();
    for (Control* c : {&DIMINUE1, &DIMINUE2, &AUGMENT1, &AUGMENT2})
        c->show();
    if (mean.TEMPS_I == kLowestMean) {
        DIMINUE1.hide();
        DIMINUE2.hide();
    }
    eraseSeries();
    F_V_P_Image.hide();
    F_V_M_Image.hide();
}

// " Moyenne =" and the mean in the fixed form (a point, a blank for the
// sign), kept centred under " Moyenne des comptages ".
void KolvenWindow::setMeanText(const std::string& mean)
{
    TEMPS.setCaption(" Moyenne =" + mean + " ");
    TEMPS.setLeft(DUREES1.left() + (DUREES1.width() - TEMPS.width()) / 2);
}

void KolvenWindow::wireTheoreticalMean()
{
    DUREES1.onPointerOver = [this](int, int) { DUREES1_PointerOver(); };
    AUGMENT2.onClick = [this] { AUGMENT2_Click(); };
    DIMINUE2.onClick = [this] { DIMINUE2_Click(); };
    VALEUR_A_List.onClick = [this] { VALEUR_A_List_Click(); };
}

}  // namespace kolven
