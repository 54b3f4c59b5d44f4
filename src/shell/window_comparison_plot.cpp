#include <algorithm>
#include <string>
#include <tuple>

#include "display/comparison_plot.h"
#include "display/full_scale_count.h"
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
    for (const ComparisonColumn& column : m_columns)
        for (const Control* readout : column.readouts())
            in.countReadoutsBottom = std::max(in.countReadoutsBottom, readout->top() + readout->height());
    in.labelWidth = [this](const std::string& text) { return services.window.measure(m_windowFont, text).width; };
    return in;
}

// Left to right, each column with what it shows and the controls that read
// it out.
void KolvenWindow::buildColumns()
{
    m_columns = {
        {kPoissonPanel, Law::Poisson, "Histogramme avec POISSON", &laws.HISTO_POIS, &laws.CUMUL_POIS, &DISTR_POISSON, &EFF_POI,
         &SOMME_POIS, &NMOYENP, &EQM2_P, &SIGMA2P},
        {kSeriesPanel, std::nullopt, " Histogramme des comptages ", &series.HISTO_COMPT, &laws.CUMUL_COMPT,
         &DISTR_COMPTAGES, &EFF_COMPT, &SOMME_COMPT, &NMOYENEX, &EQM2_EX, &SIGMA2EX},
        {kGaussPanel, Law::Gauss, " Histogramme avec GAUSS ", &laws.HISTO_GAUSS, &laws.CUMUL_GAUSS, &DISTR_GAUSS,
         &EFF_GAUSS, &SOMME_GAUSS, &NMOYENG, &EQM2_G, &SIGMA2G},
    };
    const std::tuple<Control*, Control*, ChiSquareFigures*> tests[] = {
        {&KHI2_P, &SEUIL_P, &chiSquarePoisson}, {nullptr, nullptr, nullptr}, {&KHI2_G, &SEUIL_G, &chiSquareGauss}};
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        std::tie(m_columns[i].chiSquareLine, m_columns[i].chiSquareVerdict, m_columns[i].chiSquare) = tests[i];
}

std::vector<const ComparisonColumn*> KolvenWindow::shownColumns() const
{
    std::vector<const ComparisonColumn*> shown;
    for (const ComparisonColumn& column : m_columns)
        if (column.panel != kSeriesPanel || countedOrigin(series.DONNEES_T))
            shown.push_back(&column);
    return shown;
}

PlotGeometry KolvenWindow::columnPlot(const ComparisonColumn& column) const
{
    return comparisonPanel(comparisonInputs(), display, column.left);
}

// The shown columns' histograms side by side; the series plot's scale is
// saved and set to its base while they are shown, and nothing stays selected.
void KolvenWindow::TRACE_COMPARAISON()
{
    const std::vector<const ComparisonColumn*> shown = shownColumns();
    std::vector<ComparedHistogram> histograms;
    for (const ComparisonColumn* column : shown)
        histograms.push_back({column->panel, column->histogram});
    const ComparisonDrawn drawn =
        kolven::TRACE_COMPARAISON(services.window.surface(), m_windowFont, comparisonInputs(), histograms);
    static_cast<ComparisonScale&>(display) = drawn.geometry;
    for (ComparisonColumn& column : m_columns)
        column.left = drawn.geometry.left[column.panel];
    display.CURSEUR_I = drawn.CURSEUR_I;
    display.ECHELLEHS_S = display.ECHELLEH_S;
    display.ECHELLEH_S = baseScale(display.ECHELLEH0_L);

    DISTR_COMPTAGES.hide();
    if (countedOrigin(series.DONNEES_T))
        setSeriesTitle(" Histogramme ORIGINE ");
    for (const ComparisonColumn* column : shown)
        column->title->show();
}

}  // namespace kolven
