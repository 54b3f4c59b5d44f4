#include "core/series_stats.h"

#include "core/number_text.h"

namespace kolven {

float roundedMean(std::int32_t sum, std::int32_t count)
{
    const double mean = static_cast<double>(sum) / count;
    return static_cast<float>(roundEven(mean * 100) / 100);
}

double roundedDeviation(double sumOfSquares, std::int32_t sum, std::int32_t count)
{
    const double s1 = sum;
    const double deviation = (sumOfSquares - s1 * s1 / count) / count;
    return roundEven(deviation * 100) / 100;
}

}  // namespace kolven
