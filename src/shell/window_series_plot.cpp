#include "core/number_text.h"
#include "display/series_plot.h"
#include "shell/kolven_window.h"

namespace kolven {

PlotGeometry KolvenWindow::seriesPlot() const
{
    return seriesPlotGeometry(display, CONTENUS.top() + CONTENUS.height());
}

void KolvenWindow::TRACE_CADRE()
{
    drawSeriesFrame(services.window.surface(), seriesPlot(), m_windowFont, LANCER1.height() / 2,
                    EQM2_N.top());
    CONTENUS.setTop(EQM2_N.top());
    CONTENUS.setLeft(0);
    showFullScale(30);
}

void KolvenWindow::TRACE_HISTO()
{
    drawSeriesBars(services.window.surface(), seriesPlot(), series.HISTO_COMPT);
    showFullScale(fullScaleCount(display.ECHELLEH0_L, display.ECHELLEH_S));
}

void KolvenWindow::drawSeriesBar(int bin, platform::Color color)
{
    drawBar(services.window.surface(), seriesPlot(), bin, series.HISTO_COMPT[bin], color);
}

void KolvenWindow::showFullScale(int count)
{
    CONTENUS.setCaption(fixedText(std::int64_t{count}));
    CONTENUS.show();
}

}  // namespace kolven
