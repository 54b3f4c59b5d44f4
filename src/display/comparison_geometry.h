#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/histogram.h"
#include "display/plot_geometry.h"

namespace kolven {

// The comparison's panels, left to right.
enum Panel { kPoissonPanel, kSeriesPanel, kGaussPanel, kPanelCount };

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
    // The lower edge of the bin read-outs (EFF_*, SOMME_*, in whose rows the
    // χ² lines stand too) over the panels: the bars stay under it as they
    // stay under CONTENUS, so that no read-out hides the bar it reads. 0: none.
    int countReadoutsBottom = 0;
    // The width of a label's text in the window's font, to keep the label
    // rows of neighbouring panels apart; empty, the labels stand where their
    // shifts put them.
    LabelWidth labelWidth;
};

// Whether the series of this origin was counted, and so has a panel of its
// own between the two laws: "EXPERIENCE" and "ASSOCIATIONS1" … "3". A
// theoretical series is one of the laws already.
bool countedOrigin(const std::string& DONNEES_T);

// What the panels share, in twips.
struct ComparisonScale {
    std::int16_t A_I = 0;          // width of a panel
    std::int16_t DECAL1A_I = 0;    // bin width
    std::int16_t LARGCURS_I = 0;   // half width of a bar
    float ECHELLEG_S = 0;          // twips per count, one scale for all
};

// The panels side by side: their scale and the left edge of each (D1A_I,
// D2A_I, D3A_I). The left panel's edge is also the margin between panels.
// Held in 32 bits: on a screen wider than about 3270 pixels the right panel
// starts beyond 16 bits of twips.
struct ComparisonGeometry : ComparisonScale {
    std::array<std::int32_t, kPanelCount> left{};
};

// The largest count over bins 0 … 240 of the histograms shown (0 when all
// are empty).
std::int32_t largestComparedCount(const std::vector<const Histogram*>& shown);

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
// ECHELLEH0_L less what the bin read-outs take below CONTENUS.
ComparisonGeometry comparisonGeometry(const ComparisonInputs& in, std::int32_t largestCount);

// The panel whose left edge is `left`: position i has its centre at
// left + DECAL1A_I / 2 + DECAL1A_I × i; a bar spans LARGCURS_I on each side
// and never climbs past the lower edge of CONTENUS, nor of the bin read-outs
// where they reach lower. Its labels stand left of their bins by the design
// shifts, whatever the screen, and by ORIGINE_I twips as well.
PlotGeometry comparisonPanel(const ComparisonInputs& in, const ComparisonScale& scale, std::int32_t left);

}  // namespace kolven
