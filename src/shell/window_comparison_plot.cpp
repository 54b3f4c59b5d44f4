#include "display/comparison_plot.h"
#include "shell/kolven_window.h"

namespace kolven {

ComparisonInputs KolvenWindow::comparisonInputs() const
{
    ComparisonInputs in;
    in.windowWidth = m_windowWidth;
    in.contentsTop = CONTENUS.top();
    in.contentsHeight = CONTENUS.height();
    in.ORIGINE_I = display.ORIGINE_I;
    in.HORIZON_I = display.HORIZON_I;
    in.POSAXE_I = display.POSAXE_I;
    in.ECHELLEH0_L = display.ECHELLEH0_L;
    in.ECHVERTI_S = display.ECHVERTI_S;
    in.DECAL2_I = display.DECAL2_I;
    in.DECAL3_I = display.DECAL3_I;
    in.DECAL4_I = display.DECAL4_I;
    in.normalisedScaleShown = F_V_M_Image.visible();
    in.MAX_L = series.MAX_L;
    in.DECAL1A_I = display.DECAL1A_I;
    in.centrePanel = countedOrigin(series.DONNEES_T);
    return in;
}

std::array<PlotGeometry, 3> KolvenWindow::comparisonPanels() const
{
    return kolven::comparisonPanels(comparisonInputs(), display);
}

// The three histograms side by side; the series plot's scale is saved and
// set to its base while they are shown, and nothing stays selected.
void KolvenWindow::TRACE_COMPARAISON()
{
    const ComparisonInputs in = comparisonInputs();
    const ComparisonDrawn drawn =
        kolven::TRACE_COMPARAISON(services.window.surface(), m_windowFont, in, laws.HISTO_POIS, series.HISTO_COMPT, laws.HISTO_GAUSS);
    static_cast<ComparisonGeometry&>(display) = drawn.geometry;
    display.CURSEUR_I = drawn.CURSEUR_I;
    display.ECHELLEHS_S = display.ECHELLEH_S;
    display.ECHELLEH_S = drawn.ECHELLEH_S;

    DISTR_COMPTAGES.hide();
    if (in.centrePanel) {
        setSeriesTitle(" Histogramme ORIGINE ");
        DISTR_COMPTAGES.show();
    }
    DISTR_GAUSS.show();
    DISTR_POISSON.show();
}

}  // namespace kolven
