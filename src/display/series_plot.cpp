#include <cmath>

#include "core/number_text.h"
#include "display/full_scale_count.h"
#include "shell/kolven_window.h"

namespace kolven {

namespace {

constexpr int kPlotColor = 9;    // light blue: axis, graduations, bars, labels
constexpr int kMarkColor = 15;   // bright white: the dot that places a label

int twips(double value)
{
    return static_cast<int>(roundEven(value));
}

}  // namespace

int KolvenWindow::fullScaleCount() const
{
    return kolven::fullScaleCount(ECHELLEH0_L, ECHELLEH_S);
}

void KolvenWindow::TRACE_CADRE()
{
    auto& surface = services.window.surface();
    const platform::Color plot = platform::paletteColor(kPlotColor);
    surface.clear();

    const double halfBin = DECAL1_I / 2.0;
    surface.line(twips(D1_I - halfBin), POSAXE_I, twips(D1_I + halfBin + DECAL1_I * HORIZON_I), POSAXE_I, plot);

    // Short marks on every bin, longer ones every 5 bins (and again every 10,
    // with the same length).
    const auto graduate = [&](int step, double length) {
        for (int i = 0; i <= HORIZON_I; i += step) {
            const int x = D1_I + DECAL1_I * i;
            surface.line(x, POSAXE_I, x, twips(POSAXE_I + length * ECHVERTI_S), plot);
        }
    };
    graduate(1, 100);
    graduate(5, 200);
    graduate(10, 200);

    const int step = HORIZON_I < 160 ? 5 : 10;
    const int last = ORIGINE_I + (HORIZON_I < 160 ? HORIZON_I : 160);
    const int labelY = twips(POSAXE_I + 200 * ECHVERTI_S);
    for (int J = ORIGINE_I; J <= last; J += step) {
        const int shift = J < 10 ? DECAL2_I : J < 100 ? DECAL3_I : DECAL4_I;
        const int x = twips(D1_I - shift * ECHHORIZ_S + static_cast<double>(J - ORIGINE_I) * DECAL1_I);
        surface.point(x, labelY, platform::paletteColor(kMarkColor));
        surface.text(x, labelY, fixedText(std::int64_t{J}), plot, m_windowFont);
    }

    const int axisX = LANCER1.height() / 2;
    surface.line(axisX, POSAXE_I, axisX, EQM2_N.top(), plot);

    CONTENUS.setTop(EQM2_N.top());
    CONTENUS.setLeft(0);
    CONTENUS.setCaption(fixedText(std::int64_t{30}));
    CONTENUS.show();
}

void KolvenWindow::TRACE_HISTO()
{
    auto& surface = services.window.surface();
    const double halfBin = DECAL1_I / 2.0;
    surface.line(twips(D1_I - halfBin), POSAXE_I, twips(D1_I + halfBin + DECAL1_I * HORIZON_I), POSAXE_I,
                 platform::paletteColor(kPlotColor));
    for (int B = ORIGINE_I; B <= ORIGINE_I + HORIZON_I; ++B)
        if (HISTO_COMPT[B] > 0)
            drawBar(B, platform::paletteColor(kPlotColor));
    CONTENUS.setCaption(fixedText(std::int64_t{fullScaleCount()}));
    CONTENUS.show();
}

// A bar is a solid block two thirds of a bin wide, from the axis up to its
// count at the current scale, never past the lower edge of CONTENUS.
void KolvenWindow::drawBar(int bin, platform::Color color)
{
    double top = POSAXE_I - static_cast<double>(ECHELLEH_S) * HISTO_COMPT[bin];
    const int ceiling = CONTENUS.top() + CONTENUS.height();
    if (top < ceiling)
        top = ceiling;
    const int centre = D1_I + DECAL1_I * (bin - ORIGINE_I);
    const int from = twips(-DECAL1_I / 3.0);
    const int to = twips(DECAL1_I / 3.0);
    services.window.surface().fillBlock(centre + from, centre + to, twips(top), POSAXE_I, color);
}

}  // namespace kolven
