#pragma once

#include <cstdint>
#include <string>

namespace kolven {

// Which stream of intervals the simulated counts walk.
struct StreamState {
    std::string FLUX_T = "FOURNI";  // "FOURNI", the supplied file, or "CLASSE", the class's own
    std::int32_t IMPULSIONS_L = 0;  // pulses in the class's stream; 0 while it has none
    double CADENCE_D = 0;           // its true rate per second
};

}  // namespace kolven
