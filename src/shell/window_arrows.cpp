#include "core/number_text.h"
#include "display/series_plot.h"
#include "shell/kolven_window.h"

namespace kolven {

// Hides the arrow buttons that cannot act on the current window of bins
// and scale.
void KolvenWindow::FLECHES()
{
    hideScrollButtonsAtEnds();
    if (!F_V_P_Image.visible() && !F_V_M_Image.visible())
        F_V_M_Image.show();
    // A series whose reference height is 30 or less has no choice of scale.
    if (MAX_L < 31) {
        F_V_M_Image.hide();
        F_V_P_Image.hide();
    }
}

// Base scale: 30 counts fill the plot height.
void KolvenWindow::BASE()
{
    F_V_P_Image.show();
    F_V_M_Image.hide();
    ECHELLEHS_S = ECHELLEH_S;
    ECHELLEH_S = static_cast<float>(ECHELLEH0_L) / 30.0f;
    showFullScale(fullScaleCount(ECHELLEH0_L, ECHELLEH_S));
    TRACE_CADRE();
    TRACE_HISTO();
}

// Normalised scale: the largest bin of the whole histogram reaches the
// lower edge of CONTENUS.
void KolvenWindow::NORM()
{
    TRACE_CADRE();
    if (ECHELLEHS_S != 0)
        ECHELLEH_S = ECHELLEHS_S;
    int largest = largestBin();
    if (largest >= 30)
        ECHELLEH_S = static_cast<float>(static_cast<double>(POSAXE_I - CONTENUS.top() - CONTENUS.height()) / largest);
    else
        largest = 30;
    TRACE_HISTO();
    showFullScale(largest);
}

}  // namespace kolven
