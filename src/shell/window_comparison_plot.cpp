#include <algorithm>

#include "display/comparison_plot.h"
#include "shell/kolven_window.h"

namespace kolven {

ComparisonInputs KolvenWindow::comparisonInputs() const
{
    ComparisonInputs in;
    in.windowWidth = m_windowWidth;
    in.contentsTop = CONTENUS.top();
    in.contentsHeight = CONTENUS.height();
    in.ORIGINE_I = ORIGINE_I;
    in.HORIZON_I = HORIZON_I;
    in.POSAXE_I = POSAXE_I;
    in.ECHELLEH0_L = ECHELLEH0_L;
    in.ECHVERTI_S = ECHVERTI_S;
    in.DECAL2_I = DECAL2_I;
    in.DECAL3_I = DECAL3_I;
    in.DECAL4_I = DECAL4_I;
    in.normalisedScaleShown = F_V_M_Image.visible();
    in.MAX_L = MAX_L;
    in.DECAL1A_I = DECAL1A_I;
    in.centrePanel = countedOrigin(DONNEES_T);
    for (const Control* c : {&EFF_POI, &EFF_COMPT, &EFF_GAUSS})
        in.countReadoutsBottom = std::max(in.countReadoutsBottom, c->top() + c->height());
    in.labelWidth = [this](const std::string& text) { return services.window.measure(m_windowFont, text).width; };
    return in;
}

std::array<PlotGeometry, 3> KolvenWindow::comparisonPanels() const
{
    return kolven::comparisonPanels(comparisonInputs(), *this);
}

// The three histograms side by side; the series plot's scale is saved and
// set to its base while they are shown, and nothing stays selected.
void KolvenWindow::TRACE_COMPARAISON()
{
    const ComparisonInputs in = comparisonInputs();
    const ComparisonDrawn drawn =
        kolven::TRACE_COMPARAISON(services.window.surface(), m_windowFont, in, HISTO_POIS, HISTO_COMPT, HISTO_GAUSS);
    static_cast<ComparisonGeometry&>(*this) = drawn.geometry;
    CURSEUR_I = drawn.CURSEUR_I;
    ECHELLEHS_S = ECHELLEH_S;
    ECHELLEH_S = drawn.ECHELLEH_S;

    HISTOREF_T = DISTR_COMPTAGES.caption();
    DISTR_COMPTAGES.hide();
    if (in.centrePanel) {
        setSeriesTitle(" Histogramme ORIGINE ");
        DISTR_COMPTAGES.show();
    }
    DISTR_GAUSS.show();
    DISTR_POISSON.show();
}

}  // namespace kolven
