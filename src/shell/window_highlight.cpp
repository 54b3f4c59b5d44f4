#include "display/series_plot.h"
#include "shell/kolven_window.h"

namespace kolven {

// The selected bar is drawn on the screen only: the window's stored image
// keeps the plot as it was drawn, so a repaint from it shows no highlight.
void KolvenWindow::drawSelectedSeriesBar(int colorIndex)
{
    // A bin scrolled out of the window has no bar on screen to light, nor
    // has an empty bin: its bar of no height would be a stroke over the axis.
    if (series.MARCHE_I == 1 || !seriesPlot().shows(display.CURSEUR_I) || series.HISTO_COMPT[display.CURSEUR_I] == 0)
        return;
    platform::Surface& surface = services.window.surface();
    surface.setPersistent(false);
    drawSeriesBar(display.CURSEUR_I, platform::paletteColor(colorIndex));
    surface.setPersistent(true);
}

void KolvenWindow::MARQUE_CURSEUR()
{
    drawSelectedSeriesBar(kHighlightColor);
}

void KolvenWindow::EFFACE_CURSEUR()
{
    drawSelectedSeriesBar(kPlotColor);
}

// The bar of position CURSEUR_I in each panel of the comparison.
void KolvenWindow::drawSelectedComparedBars(int colorIndex)
{
    const int bin = display.ORIGINE_I + display.CURSEUR_I;
    const std::vector<const ComparisonColumn*> shown = shownColumns();
    std::vector<PlotGeometry> plots;
    for (const ComparisonColumn* column : shown)
        plots.push_back(columnPlot(*column));
    if (!plots.front().shows(bin))
        return;  // nothing selected since the last drawing
    const platform::Color color = platform::paletteColor(colorIndex);
    platform::Surface& surface = services.window.surface();
    surface.setPersistent(false);
    for (std::size_t k = 0; k < shown.size(); ++k)
        drawBar(surface, plots[k], bin, (*shown[k]->histogram)[bin], color);
    surface.setPersistent(true);
}

void KolvenWindow::MARQUE_CURSEUR3()
{
    drawSelectedComparedBars(kHighlightColor);
}

void KolvenWindow::EFFACE_CURSEUR3()
{
    drawSelectedComparedBars(kPlotColor);
}

}  // namespace kolven
