#pragma once

#include <cstdint>

namespace kolven {

// The theoretical mean: the length of the counting window, in tenths and as
// a number.
struct MeanSetting {
    std::int16_t TEMPS_I = 90;
    float TEMPS_S = 9.0f;
};

}  // namespace kolven
