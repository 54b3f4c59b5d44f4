#include "display/series_plot.h"

#include "core/number_text.h"

namespace kolven {

namespace {

int twips(double value)
{
    return static_cast<int>(roundEven(value));
}

}  // namespace

PlotGeometry seriesPlotGeometry(const DisplayState& display, int ceiling)
{
    PlotGeometry plot;
    plot.firstBin = display.ORIGINE_I;
    plot.lastPosition = display.HORIZON_I;
    plot.firstCentre = display.D1_I;
    plot.binWidth = display.DECAL1_I;
    plot.halfBar = twips(display.DECAL1_I / 3.0);
    plot.axisY = display.POSAXE_I;
    plot.scale = display.ECHELLEH_S;
    plot.ceiling = ceiling;
    return plot;
}

void drawAxis(platform::Surface& surface, const PlotGeometry& plot)
{
    const double halfBin = plot.binWidth / 2.0;
    surface.line(twips(plot.firstCentre - halfBin), plot.axisY,
                 twips(plot.firstCentre + halfBin + static_cast<double>(plot.binWidth) * plot.lastPosition),
                 plot.axisY, platform::paletteColor(kPlotColor));
}

void drawGraduations(platform::Surface& surface, const PlotGeometry& plot, int step, double length)
{
    const platform::Color color = platform::paletteColor(kPlotColor);
    for (int i = 0; i <= plot.lastPosition; i += step) {
        const int x = twips(plot.centreOf(plot.firstBin + i));
        surface.line(x, plot.axisY, x, twips(plot.axisY + length), color);
    }
}

void drawSeriesFrame(platform::Surface& surface, const DisplayState& display, const PlotGeometry& plot,
                     const platform::Font& font, int verticalAxisX, int verticalAxisTop)
{
    const platform::Color color = platform::paletteColor(kPlotColor);
    surface.clear();
    drawAxis(surface, plot);

    // Short marks on every bin, longer ones every 5 bins (and again every 10,
    // with the same length).
    drawGraduations(surface, plot, 1, 100.0 * display.ECHVERTI_S);
    drawGraduations(surface, plot, 5, 200.0 * display.ECHVERTI_S);
    drawGraduations(surface, plot, 10, 200.0 * display.ECHVERTI_S);

    // A label every 5 bins, every 10 on the widest window; a label starts
    // left of its bin by a shift that grows with its digits, so that it
    // stands about centred under it.
    const int step = display.HORIZON_I < 160 ? 5 : 10;
    const int last = display.ORIGINE_I + (display.HORIZON_I < 160 ? display.HORIZON_I : 160);
    const int labelY = twips(display.POSAXE_I + 200 * display.ECHVERTI_S);
    for (int J = display.ORIGINE_I; J <= last; J += step) {
        const int shift = J < 10 ? display.DECAL2_I : J < 100 ? display.DECAL3_I : display.DECAL4_I;
        const int x = twips(display.D1_I - shift * display.ECHHORIZ_S +
                            static_cast<double>(J - display.ORIGINE_I) * display.DECAL1_I);
        surface.point(x, labelY, platform::paletteColor(kLabelMarkColor));
        surface.text(x, labelY, fixedText(std::int64_t{J}), color, font);
    }

    surface.line(verticalAxisX, display.POSAXE_I, verticalAxisX, verticalAxisTop, color);
}

void drawSeriesBars(platform::Surface& surface, const PlotGeometry& plot, const Histogram& histogram)
{
    drawAxis(surface, plot);
    for (int bin = plot.firstBin; bin <= plot.firstBin + plot.lastPosition; ++bin)
        if (histogram[bin] > 0)
            drawBar(surface, plot, bin, histogram[bin], platform::paletteColor(kPlotColor));
}

}  // namespace kolven
