#include "interval_generator.h"

#include <cmath>

namespace kolven::intervals {

namespace {

constexpr double kMeanInterval = 250.0;

}  // namespace

// x = -250 ln(1 - u), u the top 53 bits of one engine output over 2^53.
std::uint32_t IntervalGenerator::nextEighths()
{
    const double u = static_cast<double>(m_engine() >> 11) * 0x1p-53;
    const double x = -kMeanInterval * std::log(1.0 - u);
    // Half up; a tie needs 8x to be a half-integer exactly, which no draw gives.
    const auto eighths = static_cast<std::uint32_t>(std::floor(x * 8.0 + 0.5));
    return eighths == 0 ? 1 : eighths;
}

}  // namespace kolven::intervals
