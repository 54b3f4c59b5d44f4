#include "core/number_text.h"
#include "shell/kolven_window.h"

namespace kolven {

namespace {

using platform::colors::black;
using platform::colors::blue;
using platform::colors::grey;
using platform::colors::lightGrey;

void highlight(Control& on, Control& off)
{
    on.setFore(blue);
    on.setBack(lightGrey);
    off.setFore(black);
    off.setBack(grey);
}

}  // namespace

// The highlighted group is held in the group labels' colours: blue text
// marks it, and it outlives the menu.
KolvenWindow::Group KolvenWindow::highlightedGroup() const
{
    if (THEORIQUE_Label.fore() == blue)
        return Group::Theoretical;
    if (Label38.fore() == blue)
        return Group::Simulation;
    return Group::None;
}

void KolvenWindow::ORIGINE_PointerOver()
{
    if (EQM2_N.visible())
        SIGMA2.hide();
    for (Control* c : {&LANCER_N, &VALEUR_A_Label, &VALEUR_A_List, &Label33, &Label34, &Label35, &AUGMENT1,
                       &AUGMENT2, &DIMINUE1, &DIMINUE2})
        c->hide();
    hideCommandMenus();
    for (Control* c : {&Label37, &THEORIQUE_Label, &Label38})
        c->show();
    const Group group = highlightedGroup();
    if (group == Group::Theoretical) {
        POISS.show();
        GAUSSIEN.show();
        ASSOCIATIONS_List.hide();
    }
    if (group == Group::Simulation)
        ASSOCIATIONS_List.show();
}

void KolvenWindow::THEORIQUE_Label_PointerOver()
{
    if (highlightedGroup() == Group::Theoretical)
        return;
    highlight(THEORIQUE_Label, Label38);
    if (ASSOCIATIONS_List.visible())
        ASSOCIATIONS_List.hide();
    if (!POISS.visible()) {
        POISS.show();
        GAUSSIEN.show();
    }
}

void KolvenWindow::Label38_PointerOver()
{
    if (highlightedGroup() == Group::Simulation)
        return;
    highlight(Label38, THEORIQUE_Label);
    // Centred under the group label, computed in single precision.
    const float left = static_cast<float>(Label38.left()) + static_cast<float>(Label38.width()) / 2.0f -
                       static_cast<float>(ASSOCIATIONS_List.width()) / 2.0f;
    ASSOCIATIONS_List.setLeft(static_cast<int>(roundEven(left)));
    ASSOCIATIONS_List.show();
    POISS.hide();
    GAUSSIEN.hide();
}

void KolvenWindow::wireOriginMenu()
{
    ORIGINE.onPointerOver = [this](int, int) { ORIGINE_PointerOver(); };
    THEORIQUE_Label.onPointerOver = [this](int, int) { THEORIQUE_Label_PointerOver(); };
    Label38.onPointerOver = [this](int, int) { Label38_PointerOver(); };
}

}  // namespace kolven
