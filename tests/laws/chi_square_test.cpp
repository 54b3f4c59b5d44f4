#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "laws/chi_square.h"
#include "laws/chi_square_text.h"

namespace kolven {
namespace {

// Expected values below were worked out by hand, or, where marked, with
// mpmath at 30 digits (its own incomplete gamma), not with this code.

TEST(ChiSquareTest, LawProbabilitiesAtMeanTwo) {
    // Poisson: e^-2 (1, 2, 2, 4/3); its tail beyond 240 is far below a
    // double's precision, so normalising changes nothing.
    // Gauss: the sampled density sums to 0.96451991497594895 over 0 … 240
    // (mpmath), and each bin is divided by that sum.
    const struct { const char* name; Law law; double bins[4]; } rows[] = {
        {"Poisson", Law::Poisson, {0.13533528323661269, 0.27067056647322538, 0.27067056647322538, 0.18044704431548359}},
        {"Gauss", Law::Gauss, {0.10759433034385447, 0.22777719912536951, 0.29247171301891926, 0.22777719912536951}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto p = lawProbabilities(row.law, 2.0);
        ASSERT_TRUE(p);
        for (int k = 0; k < 4; ++k)
            EXPECT_NEAR((*p)[k], row.bins[k], 1e-15) << k;
    }
    // A law with no mean has no probabilities: the test is not made.
    EXPECT_FALSE(lawProbabilities(Law::Gauss, 0.0));
    // At the top of the range Poisson is formed without overflowing.
    const auto high = lawProbabilities(Law::Poisson, 240.0);
    EXPECT_TRUE(high && std::isfinite((*high)[240]) && (*high)[240] > 0.0);
}

TEST(ChiSquareTest, ClassesGatherUpwardAndALastSmallOneJoinsTheOneBefore) {
    // `expected`: bins and their expected numbers, 0 elsewhere.
    struct Row { const char* name; std::vector<std::pair<int, double>> expected; std::vector<ChiSquareClass> classes; };
    // Observed: 3 counts in bin 1 and 2 in bin 6.
    const Row rows[] = {
        {"small bins gather at both tails",
         {{0, 2}, {1, 3}, {2, 5}, {3, 1}, {4, 4}, {5, 6}, {6, 2}},
         {{0, 1, 3, 5}, {2, 2, 0, 5}, {3, 4, 0, 5}, {5, 240, 2, 8}}},
        {"a class reaching 5 on the last bin stays alone", {{0, 10}, {240, 5}}, {{0, 0, 0, 10}, {1, 240, 5, 5}}},
        {"4.5 is too little for a class", {{0, 4.5}, {1, 0.5}, {2, 5}}, {{0, 1, 3, 5}, {2, 240, 2, 5}}},
        {"too little in all for two classes: one class", {{0, 1}, {1, 1}, {2, 2}}, {{0, 240, 5, 4}}},
    };
    for (const Row& row : rows) {
        BinValues expected{};
        for (auto [bin, value] : row.expected)
            expected[bin] = value;
        Histogram observed{};
        observed[1] = 3;
        observed[6] = 2;
        const auto tuples = [](const std::vector<ChiSquareClass>& classes) {
            std::vector<std::tuple<int, int, double, double>> all;
            for (const ChiSquareClass& c : classes)  // the sums of whole numbers are exact
                all.emplace_back(c.firstBin, c.lastBin, c.observed, c.expected);
            return all;
        };
        EXPECT_EQ(tuples(gatherClasses(observed, expected)), tuples(row.classes)) << row.name;
    }
}

TEST(ChiSquareTest, StatisticDegreesAndUpperTail) {
    // p for ν = 1 is erfc(√(χ²/2)), for ν = 2 e^(−χ²/2), for ν = 4
    // e^(−χ²/2) (1 + χ²/2); the values are mpmath's.
    struct Row { const char* name; std::vector<double> observed, expected; double chiSquare; int degrees; double pValue; };
    const Row rows[] = {
        {"series equal to its expectation", {5, 6, 7, 8}, {5, 6, 7, 8}, 0.0, 2, 1.0},
        // 4/5 + 4/5 + 4/10 + 4/10; e^(−1.2)
        {"nu 2", {3, 7, 12, 8}, {5, 5, 10, 10}, 2.4, 2, 0.3011942119122021},
        // 4/5 + 4/5 + 0; erfc(√0.8)
        {"nu 1", {3, 7, 10}, {5, 5, 10}, 1.6, 1, 0.20590321073206831},
        // 4/5 + 4/5 + 0 + 0 + 4/8 + 4/8; 2.3 e^(−1.3)
        {"nu 4", {7, 3, 5, 5, 10, 6}, {5, 5, 5, 5, 8, 8}, 2.6, 4, 0.62682312397822899},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<ChiSquareClass> classes;
        for (std::size_t i = 0; i < row.observed.size(); ++i)
            classes.push_back({int(i), int(i), row.observed[i], row.expected[i]});
        const auto test = chiSquareTest(classes);
        ASSERT_TRUE(test);
        EXPECT_EQ(test->degrees, row.degrees);
        EXPECT_NEAR(test->chiSquare, row.chiSquare, 1e-12);
        EXPECT_NEAR(test->pValue, row.pValue, 1e-14);
    }
    // Two classes leave no degree of freedom once the total and the mean
    // are taken from the series.
    EXPECT_FALSE(chiSquareTest({{0, 0, 5, 5}, {1, 240, 5, 5}}));
}

// The window's test pins the usual lines; these are the edges of the verdict
// and of two decimals.
TEST(ChiSquareTest, LinesAtTheEdgesOfTheVerdict) {
    const struct { const char* name; ChiSquareTest test; const char *line, *verdict; } rows[] = {
        {"p exactly at the level", {5.99, 2, 0.05}, " χ² = 5.99  ddl = 2  p = 0.05 ", " compatible au seuil de 5 % "},
        {"p under the level", {6.2, 2, 0.045}, " χ² = 6.2  ddl = 2  p = 0.04 ", " rejetée au seuil de 5 % "},
        {"p that two decimals would show as 0", {29.287, 4, 6.8e-6}, " χ² = 29.29  ddl = 4  p < 0.01 ",
         " rejetée au seuil de 5 % "},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(chiSquareLine(row.test) + chiSquareVerdict(row.test), std::string(row.line) + row.verdict) << row.name;
    }
}

}  // namespace
}  // namespace kolven
