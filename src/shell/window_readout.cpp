#include <algorithm>

#include "core/number_text.h"
#include "display/series_plot.h"
#include "shell/kolven_window.h"

namespace kolven {

namespace {

// " Effectif de [ 12 ] = 5 ": the count of a bin.
std::string countText(int bin, std::int32_t count)
{
    return " Effectif de [" + fixedText(std::int64_t{bin}) + " ] =" + fixedText(std::int64_t{count}) + " ";
}

// " Somme de 0 à 12 = 40 ": the running total up to a bin.
std::string totalText(int bin, std::int32_t total)
{
    return " Somme de 0 à" + fixedText(std::int64_t{bin}) + " =" + fixedText(std::int64_t{total}) + " ";
}

// EFF_EXP shares its row with the two zoom buttons: where it would run under
// one that is shown, it stands beside them instead, on the side nearer its
// middle, `room` away.
int besideZoomButtons(int left, int width, const Control& fewer, const Control& more, int room)
{
    int from = 0, to = 0;
    bool any = false;
    for (const Control* button : {&fewer, &more}) {
        if (!button->visible())
            continue;
        from = any ? std::min(from, button->left()) : button->left();
        to = any ? std::max(to, button->left() + button->width()) : button->left() + button->width();
        any = true;
    }
    if (!any || left + width + room <= from || left >= to + room)
        return left;
    return left + width / 2.0 < (from + to) / 2.0 ? from - room - width : to + room;
}

}  // namespace

// The pointer over the window's background reads out the bin under it. It
// is silent during a run, while a pop-up list is open and on an empty
// series; the command label " Origine " tells the series view from the
// analysis.
void KolvenWindow::Form_PointerOver(int x, int y)
{
    if (series.MARCHE_I == 1 || runInProgress() || series.SN_L == 0)
        return;
    for (const Control* list : {&LANCER_N, &Label37, &VALEUR_A_Label})
        if (list->visible())
            return;
    for (const Control* list : commandMenus())
        if (list->visible())
            return;
    if (ORIGINE.visible())
        readSeriesBin(x, y);
    else
        readComparedBin(x, y);
}

// In the series view EFF_EXP follows the pointer along the axis, within a
// band between the statistics and the arrow buttons.
void KolvenWindow::readSeriesBin(int x, int y)
{
    const bool inBand = y > EQM2_N.top() + 1.1 * EQM2_N.height() && y < EFF_EXP.top() - EFF_EXP.height() / 4.0;
    if (!inBand) {
        if (EFF_EXP.visible()) {
            EFFACE_CURSEUR();
            EFF_EXP.hide();
        }
        return;
    }
    if (!EFF_EXP.visible()) {
        MARQUE_CURSEUR();
        EFF_EXP.show();
    }
    const PlotGeometry plot = seriesPlot();
    if (!plot.covers(x))
        return;  // beyond the bins the selection stays
    const int bin = plot.firstBin + plot.positionAt(x);
    if (bin == display.CURSEUR_I)
        return;

    const std::string text = countText(bin, series.HISTO_COMPT[bin]);
    if (EFF_EXP.caption() != text)
        EFF_EXP.setCaption(text);
    // Between the two single-step buttons, whatever the pointer's place.
    int left = x;
    if (x <= F_H_G_Image.left() + 1.2 * F_H_G_Image.width())
        left = static_cast<int>(roundEven(F_H_G_Image.left() + 1.2 * F_H_G_Image.width()));
    if (x > F_H_D_Image.left() - 1.2 * EFF_EXP.width())
        left = static_cast<int>(roundEven(F_H_D_Image.left() - 0.2 * F_H_G_Image.width() - EFF_EXP.width()));
    EFF_EXP.setLeft(besideZoomButtons(left, EFF_EXP.width(), F_H_M_Image1, F_H_P_Image,
                                      static_cast<int>(roundEven(0.2 * F_H_G_Image.width()))));

    if (series.HISTO_COMPT[display.CURSEUR_I] > 0)
        EFFACE_CURSEUR();
    display.CURSEUR_I = static_cast<std::int16_t>(bin);
    if (series.HISTO_COMPT[bin] >= 1)
        MARQUE_CURSEUR();
}

// In the analysis view each column shown reads, in two fixed labels, the bin
// under the pointer in every panel at once.
void KolvenWindow::readComparedBin(int x, int y)
{
    const Control& firstTotal = *m_columns.front().total;
    if (y < firstTotal.top() + 1.1 * firstTotal.height()) {
        if (m_columns.front().count->visible()) {
            EFFACE_CURSEUR3();
            for (const ComparisonColumn& column : m_columns)
                for (Control* c : column.readouts())
                    c->hide();
            refreshChiSquareLines();
        }
        return;
    }
    if (y > EFF_EXP.top() + EFF_EXP.height())
        return;
    const std::vector<const ComparisonColumn*> shown = shownColumns();
    for (const ComparisonColumn* column : shown)
        for (Control* c : column->readouts())
            c->show();
    refreshChiSquareLines();

    int position = -1;
    for (const ComparisonColumn* column : shown) {
        const PlotGeometry plot = columnPlot(*column);
        if (plot.covers(x)) {
            position = plot.positionAt(x);
            break;
        }
    }
    if (position < 0 || position == display.CURSEUR_I)
        return;
    const int bin = display.ORIGINE_I + position;
    for (const ComparisonColumn* column : shown) {
        column->count->setCaption(countText(bin, (*column->histogram)[bin]));
        column->total->setCaption(totalText(bin, (*column->runningTotal)[bin]));
    }
    EFFACE_CURSEUR3();
    display.CURSEUR_I = static_cast<std::int16_t>(position);
    MARQUE_CURSEUR3();
}

}  // namespace kolven
