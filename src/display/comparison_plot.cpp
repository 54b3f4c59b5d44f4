#include "display/comparison_plot.h"

#include <algorithm>
#include <vector>

#include "core/number_text.h"
#include "platform/color.h"

namespace kolven {

namespace {

constexpr int kPlotColor = 9;   // light blue: axes, graduations, bars, labels
constexpr int kMarkColor = 15;  // bright white: the dot that places a label

int twips(double value)
{
    return static_cast<int>(roundEven(value));
}

// The panels drawn, left to right.
std::vector<const PlotGeometry*> shownPanels(const std::array<PlotGeometry, 3>& panels, bool centrePanel)
{
    std::vector<const PlotGeometry*> shown{&panels[kPoissonPanel]};
    if (centrePanel)
        shown.push_back(&panels[kSeriesPanel]);
    shown.push_back(&panels[kGaussPanel]);
    return shown;
}

// Marks at the centre of every position, longer every 5 and longer still
// every 10; each pass crosses all the panels before the next begins.
void drawGraduations(platform::Surface& surface, const std::vector<const PlotGeometry*>& panels,
                     const ComparisonInputs& in)
{
    const platform::Color color = platform::paletteColor(kPlotColor);
    const struct {
        int step;
        double length;
    } passes[] = {{1, 100}, {5, 200}, {10, 300}};
    for (const auto& pass : passes) {
        const int bottom = twips(in.POSAXE_I + pass.length * in.ECHVERTI_S);
        for (int i = 0; i <= in.HORIZON_I; i += pass.step)
            for (const PlotGeometry* panel : panels) {
                const int x = twips(panel->centreOf(in.ORIGINE_I + i));
                surface.line(x, in.POSAXE_I, x, bottom, color);
            }
    }
}

// Where each panel's row of labels may start at the furthest left: a quarter
// of the way from the panel's axis back to the end of the one before it (or
// to the window's edge). Across 160 bins the first label of a panel would
// otherwise hang so far out that it nearly meets the last label of the panel
// before it, and the two rows would read as one.
constexpr double kLabelOverhang = 0.25;

std::vector<int> labelRowStarts(const std::vector<const PlotGeometry*>& panels, int HORIZON_I)
{
    std::vector<int> starts;
    double previousEnd = 0;
    for (const PlotGeometry* panel : panels) {
        const double left = panel->firstCentre - panel->binWidth / 2.0;
        starts.push_back(twips(left - kLabelOverhang * (left - previousEnd)));
        previousEnd = left + static_cast<double>(HORIZON_I + 1) * panel->binWidth;
    }
    return starts;
}

// A bin number every 10 positions (every 20 across 160 bins), shifted left by
// a width that grows with its digits so that it stands near the middle of its
// mark. Unlike the series plot's, the shift is in design twips whatever the
// screen, and the label moves left by ORIGINE_I twips as well.
void drawLabels(platform::Surface& surface, const platform::Font& font, const std::vector<const PlotGeometry*>& panels,
                const ComparisonInputs& in)
{
    const int step = in.HORIZON_I < 160 ? 10 : 20;
    const int y = twips(in.POSAXE_I + 200 * in.ECHVERTI_S);
    const std::vector<int> starts = labelRowStarts(panels, in.HORIZON_I);
    for (int i = 0; i <= in.HORIZON_I; i += step) {
        const int number = in.ORIGINE_I + i;
        const int shift = number < 10 ? in.DECAL2_I : number < 100 ? in.DECAL3_I : in.DECAL4_I;
        for (std::size_t k = 0; k < panels.size(); ++k) {
            const PlotGeometry* panel = panels[k];
            const int x = std::max(starts[k], twips(panel->centreOf(number) - shift - in.ORIGINE_I));
            surface.point(x, y, platform::paletteColor(kMarkColor));
            surface.text(x, y, fixedText(std::int64_t{number}), platform::paletteColor(kPlotColor), font);
        }
    }
}

}  // namespace

ComparisonDrawn TRACE_COMPARAISON(platform::Surface& surface, const platform::Font& font, const ComparisonInputs& in,
                                  const Histogram& HISTO_POIS, const Histogram& HISTO_COMPT,
                                  const Histogram& HISTO_GAUSS)
{
    ComparisonDrawn drawn;
    drawn.geometry =
        comparisonGeometry(in, largestComparedCount(HISTO_POIS, HISTO_COMPT, HISTO_GAUSS, in.centrePanel));
    const std::array<PlotGeometry, 3> panels = comparisonPanels(in, drawn.geometry);
    const std::vector<const PlotGeometry*> shown = shownPanels(panels, in.centrePanel);
    const platform::Color color = platform::paletteColor(kPlotColor);

    surface.clear();
    const int span = (in.HORIZON_I + 1) * drawn.geometry.DECAL1A_I;
    for (const PlotGeometry* panel : shown) {
        const int left = twips(panel->firstCentre - panel->binWidth / 2.0);
        surface.line(left, in.POSAXE_I, left + span, in.POSAXE_I, color);
    }
    drawGraduations(surface, shown, in);
    drawLabels(surface, font, shown, in);

    // Zero counts are drawn too, as bars of no height on the axis.
    const Histogram* histograms[] = {&HISTO_POIS, &HISTO_COMPT, &HISTO_GAUSS};
    for (int p = 0; p <= in.HORIZON_I; ++p) {
        const int bin = in.ORIGINE_I + p;
        if (bin > kLastBin)
            break;
        for (std::size_t k = 0; k < panels.size(); ++k)
            if (k != kSeriesPanel || in.centrePanel)
                drawBar(surface, panels[k], bin, (*histograms[k])[static_cast<std::size_t>(bin)], color);
    }

    drawn.CURSEUR_I = static_cast<std::int16_t>(in.HORIZON_I + 1);
    drawn.ECHELLEH_S = static_cast<float>(in.ECHELLEH0_L / 30.0);
    return drawn;
}

}  // namespace kolven
