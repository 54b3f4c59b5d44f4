#include "display/comparison_plot.h"

#include "platform/color.h"

namespace kolven {

ComparisonDrawn TRACE_COMPARAISON(platform::Surface& surface, const platform::Font& font, const ComparisonInputs& in,
                                  const std::vector<ComparedHistogram>& shown)
{
    std::vector<const Histogram*> histograms;
    for (const ComparedHistogram& h : shown)
        histograms.push_back(h.bins);
    ComparisonDrawn drawn;
    drawn.geometry = comparisonGeometry(in, largestComparedCount(histograms));
    std::vector<PlotGeometry> panels;
    for (const ComparedHistogram& h : shown)
        panels.push_back(comparisonPanel(in, drawn.geometry, drawn.geometry.left[h.panel]));

    surface.clear();
    for (const PlotGeometry& panel : panels)
        drawAxis(surface, panel);
    // Marks at the centre of every position, longer every 5 and longer still
    // every 10; a bin number every 10 positions (every 20 across 160 bins).
    drawGraduations(surface, panels, 1, 100);
    drawGraduations(surface, panels, 5, 200);
    drawGraduations(surface, panels, 10, 300);
    // Across 160 bins a label every 20 bins leaves little room, and the rows
    // of two panels would read as one: there the first labels share the room
    // around them. Fewer bins leave room enough.
    const bool widest = in.HORIZON_I >= 160;
    drawLabels(surface, panels, font, widest ? 20 : 10, panels.front().lastBin(),
               widest ? in.labelWidth : LabelWidth{});

    // Zero counts are drawn too, as bars of no height on the axis.
    const platform::Color color = platform::paletteColor(kPlotColor);
    for (int bin = panels.front().firstBin; bin <= panels.front().lastBin() && bin <= kLastBin; ++bin)
        for (std::size_t k = 0; k < panels.size(); ++k)
            drawBar(surface, panels[k], bin, (*shown[k].bins)[static_cast<std::size_t>(bin)], color);

    drawn.CURSEUR_I = static_cast<std::int16_t>(in.HORIZON_I + 1);
    return drawn;
}

}  // namespace kolven
