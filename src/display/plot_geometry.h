#pragma once

#include <cstdint>

#include "core/histogram.h"
#include "platform/color.h"
#include "platform/surface.h"

namespace kolven {

// Where the bins of one plot sit on the window, in twips. Both plots show
// the window of bins firstBin … firstBin + lastPosition; the series plot has
// one set of these, each panel of the comparison plot its own. The two plots
// centre their bins differently (the series plot on D1_I, a comparison panel
// half a bin in from its left edge), which is why the centre of position 0
// is stored rather than derived.
struct PlotGeometry {
    int firstBin = 0;         // ORIGINE_I
    int lastPosition = 80;    // HORIZON_I: positions 0 … lastPosition
    double firstCentre = 0;   // x of the centre of position 0
    int binWidth = 0;         // DECAL1_I, or DECAL1A_I in a panel
    int halfBar = 0;          // a bar spans centre − halfBar … centre + halfBar
    int axisY = 0;            // POSAXE_I: every bar rises from there
    float scale = 0;          // twips per count (ECHELLEH_S, ECHELLEG_S)
    int ceiling = 0;          // lower edge of CONTENUS: no bar climbs past it

    double centreOf(int bin) const { return firstCentre + static_cast<double>(binWidth) * (bin - firstBin); }
    // Whether x lies over the plot's bins, half a bin beyond the outer
    // centres included.
    bool covers(double x) const;
    // The position (0 … lastPosition) whose centre is nearest x, halves to
    // the even neighbour; meaningful where covers(x).
    int positionAt(double x) const;
    // The top of the bar of a count: the axis minus the count at the scale,
    // held at the ceiling.
    int barTop(std::int32_t count) const;
};

// One bar, a solid block, in colour.
void drawBar(platform::Surface& surface, const PlotGeometry& plot, int bin, std::int32_t count,
             platform::Color color);

}  // namespace kolven
