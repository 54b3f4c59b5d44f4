// The table a lab report takes: its text for a counted series and for an
// analysis, worked out by hand, and its CSV form for a French spreadsheet.

#include <gtest/gtest.h>

#include <string>

#include "core/histogram_table.h"

namespace kolven {
namespace {

Histogram bins(std::initializer_list<std::pair<int, int>> counts)
{
    Histogram h{};
    for (auto [bin, count] : counts)
        h[bin] = count;
    return h;
}

// Counts 1, 2 and 3: mean 2, mean squared deviation (14 − 36/3)/3 = 0,67.
const Histogram kOneTwoThree = bins({{1, 1}, {2, 1}, {3, 1}});
// Counts 1, 1 and 2: mean 4/3 = 1,33, deviation (6 − 16/3)/3 = 0,22; the
// laws reach bin 3, past the series' last bin.
const Histogram kOneOneTwo = bins({{1, 2}, {2, 1}});
const Histogram kPoisson = bins({{0, 1}, {1, 1}, {3, 1}});
const Histogram kGauss = bins({{1, 3}});
const Histogram kCountsTotal = bins({{1, 2}, {2, 3}, {3, 3}});
const Histogram kPoissonTotal = bins({{0, 1}, {1, 2}, {2, 2}, {3, 3}});
const Histogram kGaussTotal = bins({{1, 3}, {2, 3}, {3, 3}});
const Histogram kEmpty{};

TEST(HistogramTable, TabSeparatedText)
{
    const struct {
        const char* name;
        TableSource source;
        const char* text;
    } rows[] = {
        {"a counted series",
         {" Histogramme des comptages crées par simulation ", 2.5f, 3, 2.0f, 0.67, &kOneTwoThree},
         "Origine\tHistogramme des comptages crées par simulation\n"
         "Moyenne théorique\t2,5\nNombre de comptages\t3\nNmoyen\t2\nÉcart quadratique moyen\t0,67\n\n"
         "Valeur\tComptages\n0\t0\n1\t1\n2\t1\n3\t1\n"},
        {"an analysis: the laws and the running totals, down to the laws' last bin",
         {" Histogramme de la somme de deux comptages en simulation ", 1.5f, 3, 1.33f, 0.22, &kOneOneTwo, &kPoisson,
          &kGauss, &kCountsTotal, &kPoissonTotal, &kGaussTotal},
         "Origine\tHistogramme de la somme de deux comptages en simulation\n"
         "Moyenne théorique\t1,5\nNombre de comptages\t3\nNmoyen\t1,33\nÉcart quadratique moyen\t0,22\n\n"
         "Valeur\tComptages\tPoisson\tGauss\tCumul des comptages\tCumul Poisson\tCumul Gauss\n"
         "0\t0\t1\t0\t0\t1\t0\n1\t2\t1\t3\t2\t2\t3\n2\t1\t0\t0\t3\t2\t3\n3\t0\t1\t0\t3\t3\t3\n"},
        {"an empty series has no bin row",
         {" Histogramme des comptages ", 0.1f, 0, 0.0f, 0.0, &kEmpty},
         "Origine\tHistogramme des comptages\nMoyenne théorique\t0,1\nNombre de comptages\t0\nNmoyen\t0\n"
         "Écart quadratique moyen\t0\n\nValeur\tComptages\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(tabSeparated(histogramTable(row.source)), row.text);
    }
}

TEST(HistogramTable, CsvHasAByteOrderMarkSemicolonsAndQuotesWhereNeeded)
{
    const TableSource source{"Série \"A\"; essai", 2.5f, 3, 2.0f, 0.67, &kOneTwoThree};
    EXPECT_EQ(semicolonCsv(histogramTable(source)),
              "\xEF\xBB\xBF"
              "Origine;\"Série \"\"A\"\"; essai\"\r\n"
              "Moyenne théorique;2,5\r\nNombre de comptages;3\r\nNmoyen;2\r\nÉcart quadratique moyen;0,67\r\n\r\n"
              "Valeur;Comptages\r\n0;0\r\n1;1\r\n2;1\r\n3;1\r\n");
}

}  // namespace
}  // namespace kolven
