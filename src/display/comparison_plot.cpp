#include "display/comparison_plot.h"

#include <functional>
#include <string>
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

// Across 160 bins a label every 20 bins leaves little room, and the first
// label of a panel, hanging out left of its axis, nearly meets the last label
// of the panel before it: the rows of two panels would read as one. There it
// moves right, where the room before it is the narrower, until it shares the
// room between that label and its own second label equally. Fewer bins leave
// room enough, and their labels stay where their shifts put them.
void shareRoomAroundFirstLabels(std::vector<std::vector<int>>& x, const std::vector<std::string>& texts,
                                const std::function<int(const std::string&)>& width, int HORIZON_I)
{
    if (!width || texts.size() < 2 || HORIZON_I < 160)
        return;
    for (std::size_t k = 1; k < x.size(); ++k) {
        const int before = x[k][0] - (x[k - 1].back() + width(texts.back()));
        const int after = x[k][1] - (x[k][0] + width(texts.front()));
        if (before < after)
            x[k][0] += (after - before + 1) / 2;  // the odd twip to the room before
    }
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
    std::vector<std::string> texts;
    std::vector<std::vector<int>> x(panels.size());  // x[panel][label]
    for (int i = 0; i <= in.HORIZON_I; i += step) {
        const int number = in.ORIGINE_I + i;
        const int shift = number < 10 ? in.DECAL2_I : number < 100 ? in.DECAL3_I : in.DECAL4_I;
        texts.push_back(fixedText(std::int64_t{number}));
        for (std::size_t k = 0; k < panels.size(); ++k)
            x[k].push_back(twips(panels[k]->centreOf(number) - shift - in.ORIGINE_I));
    }
    shareRoomAroundFirstLabels(x, texts, in.labelWidth, in.HORIZON_I);
    for (std::size_t j = 0; j < texts.size(); ++j)
        for (std::size_t k = 0; k < panels.size(); ++k) {
            surface.point(x[k][j], y, platform::paletteColor(kMarkColor));
            surface.text(x[k][j], y, texts[j], platform::paletteColor(kPlotColor), font);
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
