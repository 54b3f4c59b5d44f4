#pragma once

#include <cstdint>

#include "core/histogram.h"
#include "display/display_state.h"
#include "display/full_scale_count.h"
#include "display/plot_geometry.h"
#include "platform/geometry.h"
#include "platform/surface.h"

namespace kolven {

// Colours of both plots, from the 16-colour palette.
constexpr int kPlotColor = 9;       // light blue: axes, graduations, bars, labels
constexpr int kLabelMarkColor = 15; // bright white: the dot that places a label
constexpr int kHighlightColor = 13; // light magenta: the bar under the read-out

// The series plot's bins: bin ORIGINE_I + i centred at D1_I + DECAL1_I × i,
// bars two thirds of a bin wide, rising from POSAXE_I at ECHELLEH_S twips a
// count up to the ceiling (the lower edge of CONTENUS).
PlotGeometry seriesPlotGeometry(const DisplayState& display, int ceiling);

// The axis line under the bins, half a bin beyond the outer centres.
void drawAxis(platform::Surface& surface, const PlotGeometry& plot);
// A mark of the given length down from the axis at every step-th bin centre.
void drawGraduations(platform::Surface& surface, const PlotGeometry& plot, int step, double length);

// TRACE_CADRE's drawing: clears the surface, then the axis, the graduations,
// the numbered labels and the short vertical axis at verticalAxisX, from the
// horizontal axis up to verticalAxisTop.
void drawSeriesFrame(platform::Surface& surface, const DisplayState& display, const PlotGeometry& plot,
                     const platform::Font& font, int verticalAxisX, int verticalAxisTop);
// TRACE_HISTO's drawing: the axis again, then a bar for every bin shown that
// holds counts.
void drawSeriesBars(platform::Surface& surface, const PlotGeometry& plot, const Histogram& histogram);


}  // namespace kolven
