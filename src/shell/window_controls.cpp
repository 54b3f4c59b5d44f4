#include "shell/kolven_window.h"

namespace kolven {

KolvenWindow::KolvenWindow(platform::Services services) : services(services)
{
    for (int i = 1; i <= 32; ++i)
        pageLines.push_back(std::make_unique<Control>("Label" + std::to_string(i), platform::ControlKind::Label));
    buildControlList();
    buildColumns();
    wireHandlers();
}

void KolvenWindow::buildControlList()
{
    // Bottom of the stacking order first: the pop-up menus open over the
    // read-outs and the plot, and an information page covers everything.
    m_controls = {
        &Picture1,  &KOLVEN_Image1, &TITRE,    &FIN,

        &TEMPS,     &VAL_COMPT,     &NOMB_COMPT, &Nmoyen,   &EQM2_N,     &SIGMA2,      &DEPASSE,
        &CONTENUS,  &DISTR_COMPTAGES, &DISTR_POISSON, &DISTR_GAUSS,
        &EFF_EXP,   &EFF_COMPT,     &EFF_POI,    &EFF_GAUSS, &SOMME_COMPT, &SOMME_POIS, &SOMME_GAUSS,
        &NMOYENEX,  &EQM2_EX,       &SIGMA2EX,   &NMOYENP,  &EQM2_P,     &SIGMA2P,
        &NMOYENG,   &EQM2_G,        &SIGMA2G,
        &KHI2_P,    &SEUIL_P,       &KHI2_G,     &SEUIL_G,
        &F_H_G_Image, &F_H_G_10,    &F_H_D_Image, &F_H_D_10, &F_H_P_Image, &F_H_M_Image1,
        &F_V_P_Image, &F_V_M_Image, &AVIS, &FLUX,
        &ECOUTE_TITRE, &ECOUTE_IMPULSIONS, &ECOUTE_CADENCE, &ECOUTE_DUREE, &ECOUTE_MINIMUM, &ECOUTE_ARRET,

        // The stop and return labels take the place of " Effacer ", over it.
        &LANCER1,   &EFFACERS,      &DUREES1,    &ORIGINE,  &ANALYSES,   &INFORMATIONS, &EXPORTER, &DETECTEUR, &ARRET_Label,
        &Label36,

        &Label34,   &LANCER_N,
        &Label33,   &AUGMENT1,      &AUGMENT2,   &VALEUR_A_Label, &VALEUR_A_List, &DIMINUE1, &DIMINUE2,
        &Label37,   &THEORIQUE_Label, &Label38,  &POISS,    &GAUSSIEN,   &ASSOCIATIONS_List,
        &Label35,   &INFOS,         &EXPORTER_List, &DETECTEUR_List,

        &Picture2,  &BLANCS,
    };
    // The lines that carry a formula's exponents lie over the line they
    // are raised from, so they come last.
    for (int i : {1, 2, 3, 5, 6, 7, 8, 10, 12, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31,
                  32, 4, 9, 11, 13})
        m_controls.push_back(pageLines[i - 1].get());
    m_controls.insert(m_controls.end(), {&STAT_Image1, &STAT_Image2, &STAT_Image3, &MOT1});

    for (Control* c : m_controls)
        c->attach(&services.window, nullptr);
    for (Control* c : {&KOLVEN_Image1, &TITRE, &FIN})
        c->attach(&services.window, &Picture1);
    BLANCS.attach(&services.window, &Picture2);
    for (auto& line : pageLines)
        line->attach(&services.window, &BLANCS);
    for (Control* c : {&STAT_Image1, &STAT_Image2, &STAT_Image3})
        c->attach(&services.window, &BLANCS);
}

// Each slice wires the controls whose events it handles.
void KolvenWindow::wireHandlers()
{
    wireTitleBand();
    wireMenuClosers();
    wireCountRun();
    wireErase();
    wireTheoreticalMean();
    wireOriginMenu();
    wireAssociations();
    wireAnalysis();
    wireArrows();
    wireTheoreticalSeries();
    wirePageHandlers();
    wireExportMenu();
    wireDetector();
}

Control* KolvenWindow::control(const std::string& name) const
{
    for (Control* c : m_controls)
        if (c->name() == name)
            return c;
    return nullptr;
}

Control* KolvenWindow::controlAt(int x, int y) const
{
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        const Control* c = *it;
        if (c->onScreen() && c->windowRect().contains(x, y))
            return c->enabled() ? *it : nullptr;
    }
    return nullptr;
}

void KolvenWindow::pointerMoved(int x, int y)
{
    Control* c = controlAt(x, y);
    if (!c)
        Form_PointerOver(x, y);
    else if (c->onPointerOver)
        c->onPointerOver(x, y);
}

void KolvenWindow::pointerPressed(int x, int y)
{
    m_pressed = controlAt(x, y);
    if (m_pressed && m_pressed->onMouseDown)
        m_pressed->onMouseDown();
}

void KolvenWindow::pointerReleased(int x, int y)
{
    // A click is a press and a release on the same control. The handler may
    // run a whole series of counts, with events of its own in between.
    Control* pressed = m_pressed;
    m_pressed = nullptr;
    Control* c = controlAt(x, y);
    if (c != pressed)
        return;
    if (!c) {
        Form_Click();
        return;
    }
    if (c->kind() == platform::ControlKind::List) {
        const int entry = c->entryAt(y);
        if (entry < 0 || !c->entryEnabled(entry))
            return;
        c->setIndex(entry);
    }
    if (c->onClick)
        c->onClick();
}

bool KolvenWindow::closeRequested()
{
    if (series.MARCHE_I == 0)
        return true;
    // The run ends after the count in progress, and the program with it.
    series.COMPTAGE_I = 0;
    m_closeAfterRun = true;
    return false;
}

}  // namespace kolven
