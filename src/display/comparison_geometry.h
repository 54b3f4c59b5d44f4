#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/histogram.h"
#include "display/plot_geometry.h"

namespace kolven {

// What the comparison plot reads from the window.
struct ComparisonInputs {
    int windowWidth = 15360;  // the main window's full width
    int contentsTop = 0;      // CONTENUS: its lower edge is the highest point
    int contentsHeight = 0;   // of a bar, 1.5 × its height the panel margin
    std::int16_t ORIGINE_I = 0;
    std::int16_t HORIZON_I = 80;
    std::int32_t POSAXE_I = 0;
    std::int32_t ECHELLEH0_L = 0;
    float ECHVERTI_S = 1;
    std::int16_t DECAL2_I = 150;
    std::int16_t DECAL3_I = 250;
    std::int16_t DECAL4_I = 300;
    bool normalisedScaleShown = false;  // F_V_M_Image shown: the series plot is normalised
    std::int32_t MAX_L = 0;
    std::int16_t DECAL1A_I = 0;  // the bin width the last comparison used
    bool centrePanel = true;     // the series was counted (see countedOrigin)
    // The lower edge of the count read-outs (EFF_POI, EFF_COMPT, EFF_GAUSS)
    // that stand over the panels: the bars stay under it as they stay under
    // CONTENUS, so that no read-out hides the bar it reads. 0: none.
    int countReadoutsBottom = 0;
    // The width of a label's text in the window's font; without it the
    // labels stand where their shifts put them.
    std::function<int(const std::string&)> labelWidth;
};

// Whether the series of this origin was counted, and so has a panel of its
// own between the two laws: "EXPERIENCE" and "ASSOCIATIONS1" … "3". A
// theoretical series is one of the laws already.
bool countedOrigin(const std::string& DONNEES_T);

// The three panels side by side, in twips.
struct ComparisonGeometry {
    std::int16_t D1A_I = 0;        // margin between panels, and the left panel's left edge
    std::int16_t A_I = 0;          // width of a panel
    std::int16_t DECAL1A_I = 0;    // bin width
    // The left edges of the centre and right panels. Held in 32 bits: on a
    // screen wider than about 3270 pixels the right panel starts beyond 16
    // bits of twips.
    std::int32_t D2A_I = 0;
    std::int32_t D3A_I = 0;
    std::int16_t LARGCURS_I = 0;   // half width of a bar
    float ECHELLEG_S = 0;          // twips per count, one scale for the three
};

// The largest count over bins 0 … 240 of the two laws and, when the centre
// panel exists, of the series (0 when all are empty).
std::int32_t largestComparedCount(const Histogram& HISTO_POIS, const Histogram& HISTO_COMPT,
                                  const Histogram& HISTO_GAUSS, bool centrePanel);

// The geometry for the window's inputs and the largest count.
//
// Every length is rounded to the nearest, ties to even. The bin width is
// only recomputed when HORIZON_I is 160, 80, 40, 20 or 10, else the previous
// one is kept. The scale makes the tallest bar stop 5 twips short of the
// plot height; at the base scale of the series plot (F_V_M_Image hidden) 30
// counts fill the height instead; and a series whose reference height MAX_L
// is 1 … 30 fills the height with MAX_L counts. When every histogram is
// empty the base scale (30 counts) stands in for the tallest bar, and a
// MAX_L of 0 leaves the scale as it was: no division by zero. The height is
// ECHELLEH0_L less what the count read-outs take below CONTENUS.
ComparisonGeometry comparisonGeometry(const ComparisonInputs& in, std::int32_t largestCount);

// The panels, left to right: Poisson at D1A_I, the series at D2A_I, Gauss at
// D3A_I. Position i of a panel whose left edge is x0 has its centre at
// x0 + DECAL1A_I / 2 + DECAL1A_I × i; a bar spans LARGCURS_I on each side
// and never climbs past the lower edge of CONTENUS. The bin under the
// pointer is read from the same values (covers, positionAt).
enum Panel { kPoissonPanel, kSeriesPanel, kGaussPanel };
std::array<PlotGeometry, 3> comparisonPanels(const ComparisonInputs& in, const ComparisonGeometry& geometry);

}  // namespace kolven
