#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <tuple>

#include "laws/chi_square.h"
#include "laws/chi_square_text.h"
#include "shell/kolven_window.h"

namespace kolven {

namespace {

// A law's column: its two lines, what they show, the σ² read-out whose
// colours they take, and the bin read-outs whose rows they stand in.
struct ChiSquareColumn {
    Law law;
    Control& line;
    Control& verdict;
    const Control& deviation;
    const Control& total;
    const Control& count;
    double& chiSquare;
    std::int16_t& degrees;
    double& pValue;
};

}  // namespace

// The χ² test of the series against each law at the mean the analysis gave
// the laws (MOY_S), each under σ² of its column, in the column's colours;
// left out for the origin's own law and where too few classes leave no
// degree of freedom. Under σ² the only free rows are those of the bin
// read-outs (the bars stay below them), so the two lines stand there and
// give way to the read-outs while the pointer reads a bin.
void KolvenWindow::showChiSquareTests()
{
    hideChiSquareTests();
    const ChiSquareColumn columns[] = {
        {Law::Poisson, KHI2_P, SEUIL_P, EQM2_P, SOMME_POIS, EFF_POI, KHI2_POIS_D, DDL_POIS_I, P_POIS_D},
        {Law::Gauss, KHI2_G, SEUIL_G, EQM2_G, SOMME_GAUSS, EFF_GAUSS, KHI2_GAUSS_D, DDL_GAUSS_I, P_GAUSS_D},
    };
    for (const ChiSquareColumn& c : columns) {
        if (lawOfOrigin(DONNEES_T) == c.law)
            continue;
        const std::optional<ChiSquareTest> test = chiSquareAgainst(c.law, HISTO_COMPT, MOY_S);
        if (!test)
            continue;
        c.chiSquare = test->chiSquare;
        c.degrees = static_cast<std::int16_t>(test->degrees);
        c.pValue = test->pValue;
        const std::tuple<Control*, const Control*, std::string> rows[] = {
            {&c.line, &c.total, chiSquareLine(*test)}, {&c.verdict, &c.count, chiSquareVerdict(*test)}};
        // A large χ² widens the first line: the right column's pair moves
        // left together as far as it takes to stay on screen.
        int overflow = 0;
        for (const auto& [label, row, text] : rows) {
            label->setFont(row->font());
            label->setFore(c.deviation.fore());
            label->setBack(c.deviation.back());
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
    const std::tuple<double, const Control*, std::array<Control*, 2>> columns[] = {
        {KHI2_POIS_D, &EQM2_P, {&KHI2_P, &SEUIL_P}}, {KHI2_GAUSS_D, &EQM2_G, {&KHI2_G, &SEUIL_G}}};
    for (const auto& [chiSquare, deviation, lines] : columns)
        for (Control* c : lines)
            c->setVisible(!std::isnan(chiSquare) && deviation->visible() && !EFF_POI.visible());
}

void KolvenWindow::hideChiSquareTests()
{
    for (Control* c : {&KHI2_P, &SEUIL_P, &KHI2_G, &SEUIL_G})
        c->hide();
    for (double* v : {&KHI2_POIS_D, &P_POIS_D, &KHI2_GAUSS_D, &P_GAUSS_D})
        *v = std::numeric_limits<double>::quiet_NaN();
    DDL_POIS_I = 0;
    DDL_GAUSS_I = 0;
}

}  // namespace kolven
