#pragma once

#include <cstdint>

#include "core/histogram.h"
#include "display/comparison_geometry.h"
#include "platform/geometry.h"
#include "platform/surface.h"

namespace kolven {

// What a drawing of the comparison leaves for the window to keep.
struct ComparisonDrawn {
    ComparisonGeometry geometry;
    // The bar loop's position counter, left one past the last position:
    // after a redraw no bin is selected.
    std::int16_t CURSEUR_I = 0;
    // The series plot's base scale, ECHELLEH0_L / 30, which it keeps while
    // the analysis is shown (its own scale saved in ECHELLEHS_S first).
    float ECHELLEH_S = 0;
};

// Erases the window's drawing and draws the three histograms side by side
// on one vertical scale: Poisson on the left, the series in the centre (only
// when in.centrePanel), Gauss on the right, each with its axis, graduations
// and numbered labels, in the window's label font. The titles are the
// window's to show.
ComparisonDrawn TRACE_COMPARAISON(platform::Surface& surface, const platform::Font& font, const ComparisonInputs& in,
                                  const Histogram& HISTO_POIS, const Histogram& HISTO_COMPT,
                                  const Histogram& HISTO_GAUSS);

}  // namespace kolven
