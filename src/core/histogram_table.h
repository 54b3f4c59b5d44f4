#pragma once

#include <string>
#include <vector>

#include "core/histogram.h"

namespace kolven {

// What a lab report takes from the series: its statistics, then one row per
// bin with the count and, once the series was compared with the laws, the
// laws' numbers and the three running totals.
struct TableSource {
    std::string origin;  // the series' title, as the plot shows it
    float meanSetting = 0;   // TEMPS_S
    std::int32_t counts = 0;  // SN_L
    float mean = 0;           // MOY_S
    double deviation = 0;     // the mean squared deviation, rounded as shown
    const Histogram* histogram = nullptr;
    // All five or none: the analysis' arrays.
    const Histogram* poisson = nullptr;
    const Histogram* gauss = nullptr;
    const Histogram* countsTotal = nullptr;
    const Histogram* poissonTotal = nullptr;
    const Histogram* gaussTotal = nullptr;
};

// The table as cells, row by row: the header lines, a blank row, the column
// titles, then bins 0 to the last one that any column holds a count in.
// Decimal numbers take a comma, as a French spreadsheet reads them.
std::vector<std::vector<std::string>> histogramTable(const TableSource& source);

// Tab-separated lines, as a spreadsheet pastes them into columns.
std::string tabSeparated(const std::vector<std::vector<std::string>>& table);
// A CSV file for a French spreadsheet: semicolons (the comma is the decimal
// separator), CRLF line ends, UTF-8 with a byte-order mark so that the
// accents are read as such.
std::string semicolonCsv(const std::vector<std::vector<std::string>>& table);

}  // namespace kolven
