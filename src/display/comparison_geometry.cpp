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

// The highest point of a bar: the lower edge of CONTENUS, or of the bin
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

std::int32_t largestComparedCount(const std::vector<const Histogram*>& shown)
{
    std::int32_t largest = 0;
    for (const Histogram* histogram : shown)
        for (std::size_t b = 0; b <= kLastBin; ++b)
            largest = std::max(largest, (*histogram)[b]);
    return largest;
}

ComparisonGeometry comparisonGeometry(const ComparisonInputs& in, std::int32_t largestCount)
{
    ComparisonGeometry g;
    const double height = in.ECHELLEH0_L - (barCeiling(in) - (in.contentsTop + in.contentsHeight));
    g.ECHELLEG_S = largestCount > 0 ? scaleFor(height - 5, largestCount) : scaleFor(height, 30);

    const double margin = 1.5 * in.contentsHeight;
    const std::int16_t D1A_I = short16(margin);
    g.A_I = short16((in.windowWidth - 4.0 * D1A_I) / 3);
    g.DECAL1A_I = binWidthFollowsWindow(in.HORIZON_I) ? short16(static_cast<double>(g.A_I) / in.HORIZON_I)
                                                      : in.DECAL1A_I;
    const double span = static_cast<double>(in.HORIZON_I) * g.DECAL1A_I;
    g.left[kPoissonPanel] = D1A_I;
    g.left[kSeriesPanel] = long32(in.windowWidth / 2.0 - span / 2);  // the centre panel centred in the window
    g.left[kGaussPanel] = long32(in.windowWidth - span - margin);
    g.LARGCURS_I = short16(g.DECAL1A_I / 3.0);

    if (!in.normalisedScaleShown)
        g.ECHELLEG_S = scaleFor(height, 30);
    if (in.MAX_L > 0 && in.MAX_L < 31)
        g.ECHELLEG_S = scaleFor(height, in.MAX_L);
    return g;
}

PlotGeometry comparisonPanel(const ComparisonInputs& in, const ComparisonScale& scale, std::int32_t left)
{
    PlotGeometry p;
    p.firstBin = in.ORIGINE_I;
    p.lastPosition = in.HORIZON_I;
    p.firstCentre = left + scale.DECAL1A_I / 2.0;
    p.binWidth = scale.DECAL1A_I;
    p.halfBar = scale.LARGCURS_I;
    p.axisY = in.POSAXE_I;
    p.scale = scale.ECHELLEG_S;
    p.ceiling = barCeiling(in);
    p.screenScaleY = in.ECHVERTI_S;
    p.labelShifts = {static_cast<double>(in.DECAL2_I) + in.ORIGINE_I, static_cast<double>(in.DECAL3_I) + in.ORIGINE_I,
                     static_cast<double>(in.DECAL4_I) + in.ORIGINE_I};
    return p;
}

}  // namespace kolven
