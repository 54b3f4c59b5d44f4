#pragma once

#include "core/histogram.h"
#include "display/display_state.h"
#include "display/full_scale_count.h"
#include "display/plot_geometry.h"
#include "platform/geometry.h"
#include "platform/surface.h"

namespace kolven {

// The series plot's bins: bin ORIGINE_I + i centred at D1_I + DECAL1_I × i,
// bars two thirds of a bin wide, rising from POSAXE_I at ECHELLEH_S twips a
// count up to the ceiling (the lower edge of CONTENUS); its labels stand
// left of their bins by the design shifts at the screen's scale.
PlotGeometry seriesPlotGeometry(const DisplayState& display, int ceiling);

// TRACE_CADRE's drawing: clears the surface, then the axis, the graduations,
// the numbered labels and the short vertical axis at verticalAxisX, from the
// horizontal axis up to verticalAxisTop.
void drawSeriesFrame(platform::Surface& surface, const PlotGeometry& plot, const platform::Font& font,
                     int verticalAxisX, int verticalAxisTop);
// TRACE_HISTO's drawing: the axis again, then a bar for every bin shown that
// holds counts.
void drawSeriesBars(platform::Surface& surface, const PlotGeometry& plot, const Histogram& histogram);

}  // namespace kolven
