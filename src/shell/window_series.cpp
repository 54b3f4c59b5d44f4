#include <limits>

#include "core/number_text.h"
#include "core/series_stats.h"
#include "shell/kolven_window.h"

namespace kolven {

bool KolvenWindow::seriesCanTake(int count) const
{
    constexpr std::int32_t limit = std::numeric_limits<std::int32_t>::max();
    return series.SN_L < limit && series.S1_L <= limit - count && series.HISTO_COMPT[count] < limit;
}

// Classes the count NC_I into the series. The three read-outs are written
// when the screen next shows them, not after every count: a fast run makes
// thousands of counts between two frames.
void KolvenWindow::classCount()
{
    const int c = series.NC_I;
    series.SN_L = series.SN_L + 1;
    series.HISTO_COMPT[c] = series.HISTO_COMPT[c] + 1;
    series.S1_L = series.S1_L + c;
    series.MOY_S = roundedMean(series.S1_L, series.SN_L);
    series.S2N_D = series.S2N_D + static_cast<double>(c) * c;

    if (series.MODE_T == "C_1") {
        VAL_COMPT.setCaption(" Valeur du comptage =" + localeText(std::int64_t{c}) + " ");
        VAL_COMPT.setLeft(TEMPS.left() + TEMPS.width() + TEMPS.height());
        VAL_COMPT.show();
    } else if (VAL_COMPT.visible()) {
        VAL_COMPT.hide();
    }
    m_seriesReadoutsDue = true;
}

void KolvenWindow::beforeFrame()
{
    showSeriesReadouts();
}

void KolvenWindow::showSeriesReadouts()
{
    if (!m_seriesReadoutsDue)
        return;
    m_seriesReadoutsDue = false;
    const double deviation = roundedDeviation(series.S2N_D, series.S1_L, series.SN_L);
    const char separator = services.window.decimalSeparator();

    NOMB_COMPT.setCaption((series.SN_L > 1 ? " Nombre de comptages =" : " Nombre de comptage =") +
                          localeText(std::int64_t{series.SN_L}) + " ");
    NOMB_COMPT.show();
    // A label grown too long for the screen moves left by its height, one
    // step for each count that finds it too long: the caption only grows
    // during a run, so the steps end where it first fits.
    while (NOMB_COMPT.left() + NOMB_COMPT.width() > m_windowWidth - NOMB_COMPT.height() / 4.0 &&
           NOMB_COMPT.left() > 0)
        NOMB_COMPT.setLeft(NOMB_COMPT.left() - NOMB_COMPT.height());

    series.NMOYEN_T = localeText(series.MOY_S, separator);
    Nmoyen.setCaption(" Nmoyen =" + series.NMOYEN_T + " ");
    Nmoyen.show();

    EQM2_N.setCaption(" =" + localeText(deviation, separator) + " ");
    EQM2_N.show();
    SIGMA2.show();
}

}  // namespace kolven
