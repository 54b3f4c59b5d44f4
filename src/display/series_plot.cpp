#include "display/series_plot.h"

#include <algorithm>

#include "core/number_text.h"

namespace kolven {

PlotGeometry seriesPlotGeometry(const DisplayState& display, int ceiling)
{
    PlotGeometry plot;
    plot.firstBin = display.ORIGINE_I;
    plot.lastPosition = display.HORIZON_I;
    plot.firstCentre = display.D1_I;
    plot.binWidth = display.DECAL1_I;
    plot.halfBar = static_cast<int>(roundEven(display.DECAL1_I / 3.0));
    plot.axisY = display.POSAXE_I;
    plot.scale = display.ECHELLEH_S;
    plot.ceiling = ceiling;
    plot.screenScaleY = display.ECHVERTI_S;
    // Single-precision products, exact: the horizontal scale is a whole
    // number of pixels over 1024.
    plot.labelShifts = {display.DECAL2_I * display.ECHHORIZ_S, display.DECAL3_I * display.ECHHORIZ_S,
                        display.DECAL4_I * display.ECHHORIZ_S};
    return plot;
}

void drawSeriesFrame(platform::Surface& surface, const PlotGeometry& plot, const platform::Font& font,
                     int verticalAxisX, int verticalAxisTop)
{
    surface.clear();
    drawAxis(surface, plot);

    // Short marks on every bin, longer ones every 5 bins (and again every 10,
    // with the same length).
    drawGraduations(surface, {plot}, 1, 100);
    drawGraduations(surface, {plot}, 5, 200);
    drawGraduations(surface, {plot}, 10, 200);

    // A label every 5 bins, every 10 on the widest window.
    const bool widest = plot.lastPosition >= 160;
    drawLabels(surface, {plot}, font, widest ? 10 : 5, plot.firstBin + std::min(plot.lastPosition, 160));

    surface.line(verticalAxisX, plot.axisY, verticalAxisX, verticalAxisTop, platform::paletteColor(kPlotColor));
}

void drawSeriesBars(platform::Surface& surface, const PlotGeometry& plot, const Histogram& histogram)
{
    drawAxis(surface, plot);
    for (int bin = plot.firstBin; bin <= plot.lastBin(); ++bin)
        if (histogram[bin] > 0)
            drawBar(surface, plot, bin, histogram[bin], platform::paletteColor(kPlotColor));
}

}  // namespace kolven
