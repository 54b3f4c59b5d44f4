#include "display/comparison_geometry.h"

#include <algorithm>

#include "core/number_text.h"

namespace kolven {

namespace {

std::int16_t short16(double value)
{
    return static_cast<std::int16_t>(roundEven(value));
}

std::int32_t long32(double value)
{
    return static_cast<std::int32_t>(roundEven(value));
}

// Twips per count when `counts` fill the height (single precision, as every
// vertical scale).
float scaleFor(double height, double counts)
{
    return static_cast<float>(height / counts);
}

bool binWidthFollowsWindow(std::int16_t HORIZON_I)
{
    return HORIZON_I == 160 || HORIZON_I == 80 || HORIZON_I == 40 || HORIZON_I == 20 || HORIZON_I == 10;
}

// The highest point of a bar: the lower edge of CONTENUS, or of the count
// read-outs where they reach lower.
int barCeiling(const ComparisonInputs& in)
{
    return std::max(in.contentsTop + in.contentsHeight, in.countReadoutsBottom);
}

}  // namespace

bool countedOrigin(const std::string& DONNEES_T)
{
    return DONNEES_T == "EXPERIENCE" || DONNEES_T == "ASSOCIATIONS1" || DONNEES_T == "ASSOCIATIONS2" ||
           DONNEES_T == "ASSOCIATIONS3";
}

std::int32_t largestComparedCount(const Histogram& HISTO_POIS, const Histogram& HISTO_COMPT,
                                  const Histogram& HISTO_GAUSS, bool centrePanel)
{
    std::int32_t largest = 0;
    for (std::size_t b = 0; b <= kLastBin; ++b) {
        largest = std::max({largest, HISTO_POIS[b], HISTO_GAUSS[b]});
        if (centrePanel)
            largest = std::max(largest, HISTO_COMPT[b]);
    }
    return largest;
}

ComparisonGeometry comparisonGeometry(const ComparisonInputs& in, std::int32_t largestCount)
{
    ComparisonGeometry g;
    const double height = in.ECHELLEH0_L - (barCeiling(in) - (in.contentsTop + in.contentsHeight));
    g.ECHELLEG_S = largestCount > 0 ? scaleFor(height - 5, largestCount) : scaleFor(height, 30);

    const double margin = 1.5 * in.contentsHeight;
    g.D1A_I = short16(margin);
    g.A_I = short16((in.windowWidth - 4.0 * g.D1A_I) / 3);
    g.DECAL1A_I = binWidthFollowsWindow(in.HORIZON_I) ? short16(static_cast<double>(g.A_I) / in.HORIZON_I)
                                                      : in.DECAL1A_I;
    const double span = static_cast<double>(in.HORIZON_I) * g.DECAL1A_I;
    g.D2A_I = long32(in.windowWidth / 2.0 - span / 2);  // the centre panel centred in the window
    g.D3A_I = long32(in.windowWidth - span - margin);
    g.LARGCURS_I = short16(g.DECAL1A_I / 3.0);

    if (!in.normalisedScaleShown)
        g.ECHELLEG_S = scaleFor(height, 30);
    if (in.MAX_L > 0 && in.MAX_L < 31)
        g.ECHELLEG_S = scaleFor(height, in.MAX_L);
    return g;
}

std::array<PlotGeometry, 3> comparisonPanels(const ComparisonInputs& in, const ComparisonGeometry& geometry)
{
    std::array<PlotGeometry, 3> panels;
    const std::int32_t leftEdges[] = {geometry.D1A_I, geometry.D2A_I, geometry.D3A_I};
    for (std::size_t k = 0; k < panels.size(); ++k) {
        PlotGeometry& p = panels[k];
        p.firstBin = in.ORIGINE_I;
        p.lastPosition = in.HORIZON_I;
        p.firstCentre = leftEdges[k] + geometry.DECAL1A_I / 2.0;
        p.binWidth = geometry.DECAL1A_I;
        p.halfBar = geometry.LARGCURS_I;
        p.axisY = in.POSAXE_I;
        p.scale = geometry.ECHELLEG_S;
        p.ceiling = barCeiling(in);
    }
    return panels;
}

}  // namespace kolven
