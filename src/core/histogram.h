#pragma once

#include <array>
#include <cstdint>

namespace kolven {

// One count per value 0 … 240; entry 241 is never used, as in every array of
// the series and the laws.
constexpr int kLastBin = 240;
using Histogram = std::array<std::int32_t, kLastBin + 2>;

}  // namespace kolven
