#include "display/plot_geometry.h"

#include "core/number_text.h"

namespace kolven {

bool PlotGeometry::covers(double x) const
{
    const double half = binWidth / 2.0;
    return x >= firstCentre - half && x <= firstCentre + half + static_cast<double>(binWidth) * lastPosition;
}

int PlotGeometry::positionAt(double x) const
{
    return static_cast<int>(roundEven((x - firstCentre) / binWidth));
}

int PlotGeometry::barTop(std::int32_t count) const
{
    const double top = axisY - static_cast<double>(scale) * count;
    return top < ceiling ? ceiling : static_cast<int>(roundEven(top));
}

void drawBar(platform::Surface& surface, const PlotGeometry& plot, int bin, std::int32_t count,
             platform::Color color)
{
    const double centre = plot.centreOf(bin);
    const int from = static_cast<int>(roundEven(centre - plot.halfBar));
    const int to = static_cast<int>(roundEven(centre + plot.halfBar));
    surface.fillBlock(from, to, plot.barTop(count), plot.axisY, color);
}

}  // namespace kolven
