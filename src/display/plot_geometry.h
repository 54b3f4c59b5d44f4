#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/histogram.h"
#include "platform/color.h"
#include "platform/surface.h"

namespace kolven {

// Where the bins of one plot sit on the window, in twips: the one holder of
// the window of bins, of which every drawing and every reading asks. Both
// plots show the window of bins firstBin … firstBin + lastPosition; the
// series plot has one set of these, each panel of the comparison plot its
// own. The two plots centre their bins differently (the series plot on D1_I,
// a comparison panel half a bin in from its left edge), which is why the
// centre of position 0 is stored rather than derived.
struct PlotGeometry {
    int firstBin = 0;         // ORIGINE_I
    int lastPosition = 80;    // HORIZON_I: positions 0 … lastPosition
    double firstCentre = 0;   // x of the centre of position 0
    int binWidth = 0;         // DECAL1_I, or DECAL1A_I in a panel
    int halfBar = 0;          // a bar spans centre − halfBar … centre + halfBar
    int axisY = 0;            // POSAXE_I: every bar rises from there
    float scale = 0;          // twips per count (ECHELLEH_S, ECHELLEG_S)
    int ceiling = 0;          // lower edge of CONTENUS: no bar climbs past it
    float screenScaleY = 1;   // ECHVERTI_S: marks and labels stand this far below the axis per design twip
    // How far left of its bin a label of 1, 2 or 3 digits starts, in window
    // twips: each plot turns DECAL2_I … DECAL4_I into these its own way.
    std::array<double, 3> labelShifts{};

    int lastBin() const { return firstBin + lastPosition; }
    bool shows(int bin) const { return bin >= firstBin && bin <= lastBin(); }
    double centreOf(int bin) const { return firstCentre + static_cast<double>(binWidth) * (bin - firstBin); }
    // The axis runs half a bin beyond the outer centres.
    double axisLeft() const { return firstCentre - binWidth / 2.0; }
    double axisRight() const { return firstCentre + binWidth / 2.0 + static_cast<double>(binWidth) * lastPosition; }
    // Whether x lies over the plot's bins, the axis' ends included.
    bool covers(double x) const { return x >= axisLeft() && x <= axisRight(); }
    // The position (0 … lastPosition) whose centre is nearest x, halves to
    // the even neighbour; meaningful where covers(x).
    int positionAt(double x) const;
    // The top of the bar of a count: the axis minus the count at the scale,
    // held at the ceiling.
    int barTop(std::int32_t count) const;
    // Where the label of a bin starts, so that it stands about centred
    // under its mark; and the row of every label.
    double labelX(int bin) const;
    int labelY() const;
};

// One bar, a solid block, in colour.
void drawBar(platform::Surface& surface, const PlotGeometry& plot, int bin, std::int32_t count,
             platform::Color color);
// The axis line under the bins.
void drawAxis(platform::Surface& surface, const PlotGeometry& plot);
// The width of a label's text in the font it is drawn in.
using LabelWidth = std::function<int(const std::string&)>;
// A mark of `length` design twips down from the axis at every step-th bin
// centre, and the number of every step-th bin up to `last` with the dot that
// places it. Plots side by side share their window of bins; each position is
// drawn across all of them before the next.
//
// Given `width`, the label rows of plots side by side are kept apart: the
// first label of each plot after the first, which hangs out left of its axis
// towards the last label of the plot before, moves right while the room
// before it is the narrower, until it shares the room between that label and
// its own second label equally.
void drawGraduations(platform::Surface& surface, const std::vector<PlotGeometry>& plots, int step, double length);
void drawLabels(platform::Surface& surface, const std::vector<PlotGeometry>& plots, const platform::Font& font,
                int step, int last, const LabelWidth& width = {});

// Colours of both plots, from the 16-colour palette.
constexpr int kPlotColor = 9;       // light blue: axes, graduations, bars, labels
constexpr int kLabelMarkColor = 15; // bright white: the dot that places a label
constexpr int kHighlightColor = 13; // light magenta: the bar under the read-out

}  // namespace kolven
