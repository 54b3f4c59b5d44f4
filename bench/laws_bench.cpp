// The laws' benchmark: the Poisson and Gauss laws alone, as the analysis
// computes them, the theoretical build, the drawing of the comparison on a
// surface that keeps nothing, and the analysis's two χ² tests. Each figure
// is the median of several repetitions of one call, in microseconds.
//
//   kolven-bench-laws [--repeat R]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "display/comparison_plot.h"
#include "laws/chi_square.h"
#include "laws/poisson_gauss.h"
#include "laws/running_total.h"
#include "laws/theoretical_series.h"

namespace {

using Clock = std::chrono::steady_clock;

class NoSurface final : public kolven::platform::Surface {
public:
    void clear() override {}
    void line(int, int, int, int, kolven::platform::Color) override { ++calls; }
    void fillBlock(int, int, int, int, kolven::platform::Color) override { ++calls; }
    void point(int, int, kolven::platform::Color) override { ++calls; }
    void text(int, int, const std::string&, kolven::platform::Color, const kolven::platform::Font&) override
    {
        ++calls;
    }
    void setPersistent(bool) override {}
    long calls = 0;
};

// The median time of one call, in µs.
double medianMicroseconds(int repeat, const std::function<void()>& call)
{
    std::vector<double> times;
    for (int r = 0; r < repeat; ++r) {
        const auto start = Clock::now();
        call();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv)
{
    int repeat = 101;
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], "--repeat") && i + 1 < argc)
            repeat = std::atoi(argv[++i]);

    constexpr std::int32_t kCounts = 1000000;
    long checksum = 0;
    std::printf("µs per call, median of %d, %d counts\n", repeat, kCounts);
    for (std::int16_t tenths : {std::int16_t{1}, std::int16_t{100}, std::int16_t{1700}}) {
        kolven::LawArrays laws;
        const std::int32_t S1 = tenths * (kCounts / 10);
        const double poisson = medianMicroseconds(repeat, [&] { kolven::LOI_POISSON(S1, kCounts, laws); });
        const double gauss = medianMicroseconds(repeat, [&] { kolven::LOI_GAUSS(S1, kCounts, laws); });
        checksum += laws.CUMUL_POIS[kolven::kLastBin] + laws.CUMUL_GAUSS[kolven::kLastBin];

        kolven::Histogram series{};
        std::int32_t SN = 0, S1built = 0;
        float MOY = 0;
        const double build = medianMicroseconds(repeat, [&] {
            SN = kCounts;
            kolven::HISTO_THEORIQUE("POISSON", tenths, {series, SN, S1built, MOY}, laws);
        });
        const double fits =
            medianMicroseconds(repeat, [&] { checksum += kolven::anotherBuildFits(kolven::Law::Gauss, tenths, SN); });
        const double total =
            medianMicroseconds(repeat, [&] { checksum += kolven::runningTotal(series)[kolven::kLastBin]; });

        NoSurface surface;
        kolven::ComparisonInputs in;
        in.contentsHeight = 255;
        in.POSAXE_I = 9300;
        in.ECHELLEH0_L = 5000;
        in.HORIZON_I = 160;
        const std::vector<kolven::ComparedHistogram> shown = {
            {kolven::kPoissonPanel, &laws.HISTO_POIS},
            {kolven::kSeriesPanel, &series},
            {kolven::kGaussPanel, &laws.HISTO_GAUSS},
        };
        const double plot = medianMicroseconds(
            repeat, [&] { kolven::TRACE_COMPARAISON(surface, kolven::platform::Font{}, in, shown); });
        checksum += surface.calls;
        // Both χ² tests of the analysis, on the series just built.
        double tested = 0;
        const double chiSquare = medianMicroseconds(repeat, [&] {
            for (kolven::Law law : {kolven::Law::Poisson, kolven::Law::Gauss})
                if (const auto test = kolven::chiSquareAgainst(law, series, MOY))
                    tested += test->chiSquare;
        });
        checksum += static_cast<long>(tested > 0);
        std::printf("  mean %-5g LOI_POISSON %7.2f  LOI_GAUSS %7.2f  HISTO_THEORIQUE %7.2f  anotherBuildFits %7.2f  "
                    "running total %6.2f  TRACE_COMPARAISON (160 bins, no surface) %7.2f  both χ² tests %7.2f\n",
                    tenths / 10.0, poisson, gauss, build, fits, total, plot, chiSquare);
    }
    std::printf("(checksum %ld)\n", checksum);
    return 0;
}
