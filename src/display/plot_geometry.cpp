#include "display/plot_geometry.h"

#include "core/number_text.h"

namespace kolven {

namespace {

int twips(double value)
{
    return static_cast<int>(roundEven(value));
}

}  // namespace

int PlotGeometry::positionAt(double x) const
{
    return twips((x - firstCentre) / binWidth);
}

int PlotGeometry::barTop(std::int32_t count) const
{
    const double top = axisY - static_cast<double>(scale) * count;
    return top < ceiling ? ceiling : twips(top);
}

double PlotGeometry::labelX(int bin) const
{
    const std::size_t digits = bin < 10 ? 0 : bin < 100 ? 1 : 2;
    return centreOf(bin) - labelShifts[digits];
}

int PlotGeometry::labelY() const
{
    return twips(axisY + 200 * screenScaleY);
}

void drawBar(platform::Surface& surface, const PlotGeometry& plot, int bin, std::int32_t count,
             platform::Color color)
{
    const double centre = plot.centreOf(bin);
    surface.fillBlock(twips(centre - plot.halfBar), twips(centre + plot.halfBar), plot.barTop(count), plot.axisY,
                      color);
}

void drawAxis(platform::Surface& surface, const PlotGeometry& plot)
{
    surface.line(twips(plot.axisLeft()), plot.axisY, twips(plot.axisRight()), plot.axisY,
                 platform::paletteColor(kPlotColor));
}

void drawGraduations(platform::Surface& surface, const std::vector<PlotGeometry>& plots, int step, double length)
{
    const platform::Color color = platform::paletteColor(kPlotColor);
    const PlotGeometry& first = plots.front();
    const int bottom = twips(first.axisY + length * first.screenScaleY);
    for (int i = 0; i <= first.lastPosition; i += step)
        for (const PlotGeometry& plot : plots) {
            const int x = twips(plot.centreOf(plot.firstBin + i));
            surface.line(x, plot.axisY, x, bottom, color);
        }
}

void drawLabels(platform::Surface& surface, const std::vector<PlotGeometry>& plots, const platform::Font& font,
                int step, int last, const LabelWidth& width)
{
    const int y = plots.front().labelY();
    std::vector<std::string> texts;
    std::vector<std::vector<int>> x(plots.size());  // x[plot][label]
    for (int bin = plots.front().firstBin; bin <= last; bin += step) {
        texts.push_back(fixedText(std::int64_t{bin}));
        for (std::size_t k = 0; k < plots.size(); ++k)
            x[k].push_back(twips(plots[k].labelX(bin)));
    }
    if (width && texts.size() >= 2)
        for (std::size_t k = 1; k < plots.size(); ++k) {
            const int before = x[k][0] - (x[k - 1].back() + width(texts.back()));
            const int after = x[k][1] - (x[k][0] + width(texts.front()));
            if (before < after)
                x[k][0] += (after - before + 1) / 2;  // the odd twip to the room before
        }
    for (std::size_t j = 0; j < texts.size(); ++j)
        for (std::size_t k = 0; k < plots.size(); ++k) {
            surface.point(x[k][j], y, platform::paletteColor(kLabelMarkColor));
            surface.text(x[k][j], y, texts[j], platform::paletteColor(kPlotColor), font);
        }
}

}  // namespace kolven
