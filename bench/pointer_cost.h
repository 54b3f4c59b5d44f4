#pragma once

#include <chrono>

#include "window_probe.h"

namespace kolven::bench {

// Pointer moves over the plot, each alone: the time Qt and the window take
// to handle the move (the window's handler and the marking of what changed
// for repainting), then the paint that follows, if any. Medians.
// How many moves, and the pause before each, after the last one's paint: a
// pointer reports at most every millisecond or so, by which time the display
// server has long put the last paint on the screen.
struct MovePlan {
    int moves = 1000;
    std::chrono::microseconds pause{0};
};

struct MoveCost {
    int moves = 0;
    double handlerUs = 0;
    double paintedShare = 0;  // moves followed by a paint
    double paintUs = 0;       // from the handler's return to the paint's end
    double pixels = 0;        // per move, 0 when nothing was painted
};

// The plot drawn again whole, then painted: the reference for the moves.
struct RedrawCost {
    int redraws = 0;
    double drawUs = 0;
    double paintUs = 0;
    double pixels = 0;
};

struct ViewCost {
    MoveCost sameBin;
    MoveCost nextBin;
    // A move within one bin, then one pixel under the pointer marked for
    // repainting: what Qt and the display server cost for any move that
    // paints, whatever the window draws.
    MoveCost onePixel;
    RedrawCost redraw;
};

// In the series view (`TRACE_CADRE` and `TRACE_HISTO` for the redraw), over
// the bin `bin` and its right neighbour, both holding counts.
ViewCost seriesViewCost(WindowProbe& probe, int bin, const MovePlan& moves, int redraws);
// In the comparison (`TRACE_COMPARAISON` for the redraw), over the series'
// panel (Poisson's for a theoretical origin).
ViewCost analysisViewCost(WindowProbe& probe, int bin, const MovePlan& moves, int redraws);

}  // namespace kolven::bench
