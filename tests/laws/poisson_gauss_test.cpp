#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <tuple>
#include <vector>

#include "laws/poisson_gauss.h"
#include "laws/theoretical_series.h"

namespace kolven {
namespace {

constexpr std::int32_t kN = 100000;

// The mean in tenths.
struct Example { const char* name; Law law; std::int16_t tenths; std::vector<std::int32_t> firstBins; std::int32_t total; };

// Published bins for 100 000 counts. Gauss at 0.1 puts 120003.5 in bin 0:
// the rounding is half up.
const Example kExamples[] = {
    {"Poisson at 10", Law::Poisson, 100,
     {5, 45, 227, 757, 1892, 3783, 6306, 9008, 11260, 12511, 12511, 11374, 9478, 7291, 5208, 3472, 2170, 1276, 709,
      373, 187, 89, 40, 18, 7},
     100001},
    {"Gauss at 10", Law::Gauss, 100,
     {85, 220, 514, 1089, 2085, 3614, 5669, 8044, 10329, 12000, 12616, 12000, 10329, 8044, 5669, 3614, 2085, 1089,
      514, 220, 85, 30, 9, 3, 1},
     99957},
    {"Poisson at 2.5", Law::Poisson, 25, {8208, 20521, 25652, 21376, 13360, 6680, 2783, 994, 311, 86, 22, 5, 1}, 99999},
    {"Gauss at 2.5", Law::Gauss, 25, {7229, 16088, 24001, 24001, 16088, 7229, 2177, 440, 59, 5}, 97317},
    {"Poisson at 0.1", Law::Poisson, 1, {90484, 9048, 452, 15}, 99999},
    {"Gauss at 0.1 overshoots N", Law::Gauss, 1, {120004, 2198}, 122202},
};

std::vector<std::int32_t> prefix(const Histogram& h, size_t n) { return {h.begin(), h.begin() + static_cast<long>(n)}; }

// A theoretical build of 100 000 counts after SN counts, as the window asks it.
struct Build {
    Build(Law law, std::int16_t tenths, std::int32_t counts = kN) : SN(counts) {
        built = HISTO_THEORIQUE(law == Law::Poisson ? "POISSON" : "GAUSS", tenths, {series, SN, S1, MOY}, laws);
    }
    Histogram series{};
    std::int32_t SN, S1 = 0;
    float MOY = 0;
    LawArrays laws;
    bool built;
};

// The analysis path (mean from S1 / N) and the theoretical build (mean from
// the tenths) give the same bins for the same mean.
TEST(LawsTest, PublishedExamples) {
    for (const Example& row : kExamples) {
        SCOPED_TRACE(row.name);
        const size_t n = row.firstBins.size();

        LawArrays analysed;
        const std::int32_t S1 = row.tenths * (kN / 10);
        const float mean = row.law == Law::Poisson ? LOI_POISSON(S1, kN, analysed) : LOI_GAUSS(S1, kN, analysed);
        const Histogram& bins = row.law == Law::Poisson ? analysed.HISTO_POIS : analysed.HISTO_GAUSS;
        const Histogram& totals = row.law == Law::Poisson ? analysed.CUMUL_POIS : analysed.CUMUL_GAUSS;
        EXPECT_EQ(std::tuple(mean, prefix(bins, n), totals[kLastBin]),
                  std::tuple(row.tenths / 10.0f, row.firstBins, row.total));

        const Build b(row.law, row.tenths);
        EXPECT_EQ(std::tuple(b.built, b.MOY, prefix(b.series, n), b.SN),
                  std::tuple(true, row.tenths / 10.0f, row.firstBins, row.total));
        // Only the chosen law is written.
        EXPECT_EQ(b.laws.HISTO_POIS, row.law == Law::Poisson ? b.series : Histogram{});
        EXPECT_EQ(b.laws.HISTO_GAUSS, row.law == Law::Gauss ? b.series : Histogram{});
    }
}

// Poisson term computed on its own, from logarithms: N e^(−m) m^i / i!.
double independentPoisson(double m, double N, int i) {
    return N * std::exp(-m + i * std::log(m) - std::lgamma(i + 1.0));
}

// Every mean the mean menu reaches, for both laws: nothing overflows, each
// running total is the sum of the bins so far, the series is the law's own
// bins, S1 = mean × N, and each Poisson bin agrees with the law computed
// another way (bins within a hair of a half excepted).
TEST(LawsTest, EveryMeanOfTheMenuBuildsConsistently) {
    for (Law law : {Law::Poisson, Law::Gauss}) {
        for (std::int16_t tenths = 1; tenths <= 1700; ++tenths) {
            SCOPED_TRACE(::testing::Message() << (law == Law::Poisson ? "Poisson" : "Gauss") << " at " << tenths
                                              << " tenths");
            const Build b(law, tenths);
            const Histogram& bins = law == Law::Poisson ? b.laws.HISTO_POIS : b.laws.HISTO_GAUSS;
            const Histogram& totals = law == Law::Poisson ? b.laws.CUMUL_POIS : b.laws.CUMUL_GAUSS;
            ASSERT_EQ(bins, b.series);
            std::int64_t sum = 0;
            for (size_t i = 0; i <= kLastBin; ++i) {
                ASSERT_GE(bins[i], 0) << "bin " << i;
                sum += bins[i];
                ASSERT_EQ(totals[i], sum) << "bin " << i;
                if (law == Law::Poisson) {
                    const double expected = independentPoisson(b.MOY, kN, static_cast<int>(i));
                    const bool nearAHalf = std::fabs(expected - std::floor(expected) - 0.5) <= 1e-6;
                    ASSERT_TRUE(nearAHalf || bins[i] == static_cast<std::int32_t>(std::floor(expected + 0.5))) << "bin " << i;
                }
            }
            const auto S1 = static_cast<std::int64_t>(std::nearbyint(static_cast<double>(b.MOY) * sum));
            EXPECT_EQ(std::tuple(bins[kLastBin + 1], b.SN, b.S1), std::tuple(0, sum, S1));
            // At most a half per bin away from N.
            EXPECT_TRUE(law == Law::Gauss || std::abs(b.SN - kN) <= 121) << b.SN;
        }
    }
}

// Mean 0: Poisson puts every count in bin 0; Gauss has no value at bins 0
// and 1, the failure past the mean ends it, and nothing is left of what the
// arrays held before.
TEST(LawsTest, MeanZero) {
    LawArrays laws;
    for (Histogram* h : {&laws.HISTO_POIS, &laws.CUMUL_POIS, &laws.HISTO_GAUSS, &laws.CUMUL_GAUSS})
        h->fill(7);
    EXPECT_EQ(LOI_POISSON(0, 50, laws), 0.0f);
    Histogram poisson{};
    poisson[0] = 50;
    poisson[kLastBin + 1] = 7;
    EXPECT_EQ(std::pair(laws.HISTO_POIS, laws.CUMUL_POIS[kLastBin]), std::pair(poisson, 50));

    EXPECT_EQ(LOI_GAUSS(0, 50, laws), 0.0f);
    Histogram untouchedLast{};
    untouchedLast[kLastBin + 1] = 7;
    EXPECT_EQ(std::pair(laws.HISTO_GAUSS, laws.CUMUL_GAUSS), std::pair(untouchedLast, untouchedLast));

    // The theoretical build clears the series' bin 0 only: the Gauss entries
    // of bin 0 keep what they held, the rest of the law is 0.
    Histogram series;
    series.fill(3);
    laws.HISTO_GAUSS.fill(7);
    laws.CUMUL_GAUSS.fill(7);
    std::int32_t SN = kN, S1 = 9;
    float MOY = 1;
    ASSERT_TRUE(HISTO_THEORIQUE("GAUSS", 0, {series, SN, S1, MOY}, laws));
    EXPECT_EQ(std::tuple(prefix(series, kLastBin + 1), SN, S1),
              std::tuple(std::vector<std::int32_t>(kLastBin + 1, 0), 0, 0));
    EXPECT_EQ((std::vector{laws.HISTO_GAUSS[0], laws.CUMUL_GAUSS[0], laws.HISTO_GAUSS[1], laws.CUMUL_GAUSS[kLastBin]}),
              (std::vector{7, 7, 0, 0}));
}

// Another 100 000 counts must keep the number asked for, the bins, the
// totals and S1 = mean × N within 32 bits (2 147 483 647).
TEST(LawsTest, AnotherBuildFits) {
    const struct { const char* name; Law law; std::int16_t tenths; std::int32_t SN; bool fits; } rows[] = {
        {"the number asked for passes 32 bits", Law::Poisson, 1, 2147483647 - 99999, false},
        {"the number asked for reaches the limit at mean 0.1", Law::Poisson, 1, 2147483647 - 100000 - 200, true},
        {"S1 = 170 × 12 100 000 fits", Law::Poisson, 1700, 12000000, true},
        {"S1 = 170 × 12 700 000 does not", Law::Poisson, 1700, 12600000, false},
        {"Gauss at 0.1 builds 1.22 N: 1.7e9 fits", Law::Gauss, 1, 1700000000 - 100000, true},
        {"Gauss at 0.1 builds 1.22 N: 1.8e9 does not", Law::Gauss, 1, 1800000000 - 100000, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(anotherBuildFits(row.law, row.tenths, row.SN), row.fits);
        if (!row.fits)
            continue;
        const Build b(row.law, row.tenths, row.SN + kCountsPerBuild);
        EXPECT_EQ(b.SN, std::accumulate(b.series.begin(), b.series.end(), std::int64_t{0}));
    }
}

}  // namespace
}  // namespace kolven
