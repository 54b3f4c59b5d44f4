#pragma once

#include <cstdint>
#include <string>

#include "display/comparison_geometry.h"

namespace kolven {

// The geometry and scales of the two plots, under their design names, in
// twips. The series plot centres bin ORIGINE_I + i at D1_I + DECAL1_I × i;
// the comparison plot's panels start at their columns' left edges and centre
// position i half a bin in, at x0 + DECAL1A_I/2 + DECAL1A_I × i.
struct DisplayState : ComparisonScale {
    float ECHHORIZ_S = 1;        // screen width / design width
    float ECHVERTI_S = 1;        // screen height / design height
    std::int16_t D1_I = 0;
    std::int16_t DECAL1_I = 0;
    // Label shifts: how far left of its bin a label of 1, 2 or 3 digits starts.
    std::int16_t DECAL2_I = 150;
    std::int16_t DECAL3_I = 250;
    std::int16_t DECAL4_I = 300;
    // Held in 32 bits: 16 bits of twips end at 2184 pixels, and the axis of a
    // screen taller than 2705 pixels lies beyond.
    std::int32_t POSAXE_I = 0;
    std::int32_t ECHELLEH0_L = 0;  // plot height
    float ECHELLEH_S = 0;          // series plot: twips per count
    float ECHELLEHS_S = 0;         // the scale saved by the last reset
    std::int16_t ORIGINE_I = 0;    // first bin shown
    std::int16_t HORIZON_I = 80;   // bins shown: ORIGINE_I … ORIGINE_I + HORIZON_I
    std::int16_t CURSEUR_I = 0;    // the bin (or position) under the read-out

    // The scale the comparison's panels share (A_I … ECHELLEG_S) comes from
    // ComparisonScale, set by each of its drawings.
};

}  // namespace kolven
