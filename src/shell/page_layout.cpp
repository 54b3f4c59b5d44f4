#include "shell/page_layout.h"

#include <algorithm>
#include <cmath>

namespace kolven::pages {

std::vector<int> stackRows(const std::vector<RowSize>& rows, int pageHeight)
{
    // Vertical room between lines is at most one line.
    constexpr double kMostRoomPerLine = 1.0;
    int total = 0, units = 0, tallest = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        total += rows[i].height;
        tallest = std::max(tallest, rows[i].height);
        if (i > 0)
            units += rows[i].roomUnits;
    }
    const int margin = tallest / 2;
    const double spare = std::max(0, pageHeight - 2 * margin - total);
    const double unit = units > 0 ? std::min(spare / units, kMostRoomPerLine * tallest) : 0;
    std::vector<int> tops;
    double top = margin;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0)
            top += unit * rows[i].roomUnits;
        tops.push_back(static_cast<int>(std::lround(top)));
        top += rows[i].height;
    }
    return tops;
}

FormulaPlaces placeFormula(const FormulaWidths& widths, int pageWidth)
{
    const int rest = widths.baseToExponent + widths.exponent + widths.blank;
    const int second = rest + widths.restBeforeSecond;
    const int total = std::max(rest + widths.rest, second + widths.second);
    const int left = (pageWidth - total) / 2;
    return {left, left + widths.baseToExponent, left + rest, left + second};
}

}  // namespace kolven::pages
