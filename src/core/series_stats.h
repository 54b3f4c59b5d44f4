#pragma once

#include <cstdint>

namespace kolven {

// The measured mean "Nmoyen": S1 / N in double, then × 100 rounded to the
// nearest, ties to even, then / 100 stored in single precision. The order
// matters: 23 counts over 40 give 0.575 → 57.4999… → 0.57, not 0.58.
float roundedMean(std::int32_t sum, std::int32_t count);

// The mean squared deviation of the series (divided by N, not N − 1):
// (S2 − S1² / N) / N in double, rounded to hundredths, ties to even.
double roundedDeviation(double sumOfSquares, std::int32_t sum, std::int32_t count);

}  // namespace kolven
