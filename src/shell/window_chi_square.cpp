#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "laws/chi_square.h"
#include "laws/chi_square_text.h"
#include "shell/kolven_window.h"

namespace kolven {

// The χ² test of the series against each law's column at the mean the
// analysis gave the laws (MOY_S), under the column's σ², in its colours;
// left out for the origin's own law and where too few classes leave no
// degree of freedom. Under σ² the only free rows are those of the bin
// read-outs (the bars stay below them), so the two lines stand there and
// give way to the read-outs while the pointer reads a bin.
void KolvenWindow::showChiSquareTests()
{
    hideChiSquareTests();
    for (const ComparisonColumn& column : m_columns) {
        if (!column.chiSquare || lawOfOrigin(series.DONNEES_T) == column.law)
            continue;
        const std::optional<ChiSquareTest> test = chiSquareAgainst(*column.law, series.HISTO_COMPT, series.MOY_S);
        if (!test)
            continue;
        *column.chiSquare = {test->chiSquare, static_cast<std::int16_t>(test->degrees), test->pValue};
        const std::tuple<Control*, const Control*, std::string> rows[] = {
            {column.chiSquareLine, column.total, chiSquareLine(*test)},
            {column.chiSquareVerdict, column.count, chiSquareVerdict(*test)}};
        // A large χ² widens the first line: the right column's pair moves
        // left together as far as it takes to stay on screen.
        int overflow = 0;
        for (const auto& [label, row, text] : rows) {
            label->setFont(row->font());
            label->setFore(column.deviation->fore());
            label->setBack(column.deviation->back());
            label->setAutoSize(true);
            label->setCaption(text);
            overflow = std::max(overflow, row->left() + label->width() - windowWidth());
        }
        for (const auto& [label, row, text] : rows)
            label->move(row->left() - overflow, row->top());
    }
    refreshChiSquareLines();
}

void KolvenWindow::refreshChiSquareLines()
{
    const bool binRead = m_columns.front().count->visible();
    for (const ComparisonColumn& column : m_columns) {
        if (!column.chiSquare)
            continue;
        const bool shown = !std::isnan(column.chiSquare->KHI2_D) && column.deviation->visible() && !binRead;
        column.chiSquareLine->setVisible(shown);
        column.chiSquareVerdict->setVisible(shown);
    }
}

void KolvenWindow::hideChiSquareTests()
{
    for (const ComparisonColumn& column : m_columns) {
        if (!column.chiSquare)
            continue;
        column.chiSquareLine->hide();
        column.chiSquareVerdict->hide();
        *column.chiSquare = ChiSquareFigures{};
    }
}

}  // namespace kolven
