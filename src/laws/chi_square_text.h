#pragma once

#include <string>

#include "laws/chi_square.h"

namespace kolven {

// The two lines of a χ² test under a law's column, numbers in the fixed form
// (a point whatever the locale), χ² and p to two decimals:
// " χ² = 7.42  ddl = 9  p = 0.59 ". A p-value that two decimals would show
// as 0 reads " p < 0.01 ": the test never proves a law impossible.
std::string chiSquareLine(const ChiSquareTest& test);
// " compatible au seuil de 5 % " or " rejetée au seuil de 5 % ".
std::string chiSquareVerdict(const ChiSquareTest& test);

}  // namespace kolven
