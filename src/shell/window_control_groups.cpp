#include "shell/kolven_window.h"

namespace kolven {

void KolvenWindow::showSigma2WithDeviation()
{
    if (EQM2_N.visible())
        SIGMA2.show();
}

void KolvenWindow::hideScrollButtonsAtEnds()
{
    if (display.ORIGINE_I == 0)
        F_H_G_Image.hide();
    if (display.ORIGINE_I + display.HORIZON_I == 240)
        F_H_D_Image.hide();
}

}  // namespace kolven
