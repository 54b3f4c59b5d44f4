#include <array>

#include "shell/kolven_window.h"

namespace kolven {

namespace {

struct Association {
    const char* code;
    const char* title;
};

// The entries of ASSOCIATIONS_List, in list order.
constexpr std::array<Association, 4> kAssociations = {{
    {"EXPERIENCE", " Histogramme des comptages crées par simulation "},
    {"ASSOCIATIONS1", " Histogramme de la somme de deux comptages en simulation "},
    {"ASSOCIATIONS2", " Histogramme de la 1/2 somme de deux comptages en simulation "},
    {"ASSOCIATIONS3", " Histogramme de la somme - le comptage suivant en simulation "},
}};

}  // namespace

void KolvenWindow::ASSOCIATIONS_List_Click()
{
    const int k = ASSOCIATIONS_List.index();
    DEPASSE.hide();
    TRACE_HISTO();
    if (k < 0)
        return;
    if (k == 3)
        setSeriesTitle(" Histogramme de la différence ");
    if (highlightedGroup() == Group::Simulation) {
        setSeriesTitle(kAssociations[k].title);
        series.DONNEES_T = kAssociations[k].code;
        TEMPS.show();
        DUREES1.setCaption(" Moyenne des comptages ");
    }
    DISTR_COMPTAGES.show();
    DUREES1.setEnabled(true);
    LANCER1.setEnabled(true);
    Label37.hide();
    Label38.hide();
    eraseSeries();
}

// The series' histogram title, kept centred over the plot.
void KolvenWindow::setSeriesTitle(const std::string& title)
{
    DISTR_COMPTAGES.setCaption(title);
    DISTR_COMPTAGES.setLeft((m_windowWidth - DISTR_COMPTAGES.width()) / 2);
}

void KolvenWindow::wireAssociations()
{
    ASSOCIATIONS_List.onClick = [this] { ASSOCIATIONS_List_Click(); };
}

}  // namespace kolven
