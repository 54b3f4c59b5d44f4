#include "laws/chi_square_text.h"

#include <cstdint>

#include "core/number_text.h"

namespace kolven {

namespace {

// Two decimals, ties to even like every other rounding shown on screen.
double hundredths(double value)
{
    return roundEven(value * 100.0) / 100.0;
}

}  // namespace

std::string chiSquareLine(const ChiSquareTest& test)
{
    const double p = hundredths(test.pValue);
    return " χ² =" + fixedText(hundredths(test.chiSquare)) + "  ddl =" + fixedText(std::int64_t{test.degrees}) +
           (p > 0.0 ? "  p =" + fixedText(p) : std::string("  p < 0.01")) + " ";
}

std::string chiSquareVerdict(const ChiSquareTest& test)
{
    return test.compatible() ? " compatible au seuil de 5 % " : " rejetée au seuil de 5 % ";
}

}  // namespace kolven
