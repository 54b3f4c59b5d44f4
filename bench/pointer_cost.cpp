#include "pointer_cost.h"

#include <QWidget>

#include <cstdio>
#include <functional>
#include <stdexcept>
#include <thread>
#include <vector>

#include "bench_stats.h"
#include "platform/qt/image_surface.h"

namespace kolven::bench {

namespace {

using platform::kTwipsPerPixel;

// The window reads a pixel as its first twip.
int twipOf(int pixel)
{
    return pixel * kTwipsPerPixel;
}

// The pixel of the column under which the plot puts `position`, and the next
// one if it reads the same position, else the one before.
std::pair<int, int> pixelsOver(const PlotGeometry& plot, int position)
{
    const auto reads = [&](int px) { return plot.covers(twipOf(px)) && plot.positionAt(twipOf(px)) == position; };
    const int px = platform::qt::toPixels(static_cast<int>(plot.centreOf(plot.firstBin + position)));
    for (int first : {px, px + 1, px - 1})
        if (reads(first))
            for (int second : {first + 1, first - 1})
                if (reads(second))
                    return {first, second};
    throw std::runtime_error("no two pixels over one bin");
}

// A row of pixels in the band where the read-out follows the pointer.
int bandRow(int fromTwip, int toTwip)
{
    return platform::qt::toPixels((fromTwip + toTwip) / 2);
}

void checkBackground(const KolvenWindow& w, QPoint p)
{
    if (w.controlAt(twipOf(p.x()), twipOf(p.y())))
        throw std::runtime_error("a control lies over the plot where the pointer moves");
}

// Alternates the pointer between `a` and `b`, once it rests on `a`, each
// move `pause` after the last paint; after each move, `afterMove` runs as
// part of the handler.
MoveCost moveCost(WindowProbe& probe, QPoint a, QPoint b, const MovePlan& plan,
                  const std::function<void()>& afterMove = {})
{
    const int moves = plan.moves;
    checkBackground(probe.window(), a);
    checkBackground(probe.window(), b);
    probe.moveTo(a);
    probe.settle();
    std::vector<double> handler, paint, pixels;
    int painted = 0;
    for (int i = 0; i < moves; ++i) {
        std::this_thread::sleep_for(plan.pause);
        const auto start = Clock::now();
        probe.moveTo(i % 2 ? a : b);
        if (afterMove)
            afterMove();
        const auto handled = Clock::now();
        handler.push_back(std::chrono::duration<double, std::micro>(handled - start).count());
        const Paint p = probe.awaitPaint(handled);
        pixels.push_back(static_cast<double>(p.pixels));
        if (p.happened) {
            ++painted;
            paint.push_back(p.microseconds);
        }
    }
    return {moves, median(handler), static_cast<double>(painted) / moves, median(paint), median(pixels)};
}

// The same pixel each time, as a sweep repaints where the last paint was:
// the display server must have read it before it is painted again.
MoveCost onePixelCost(WindowProbe& probe, QPoint a, QPoint b, const MovePlan& plan)
{
    return moveCost(probe, a, b, plan, [&] { probe.display().widget().update(QRect(a, QSize(1, 1))); });
}

RedrawCost redrawCost(WindowProbe& probe, int redraws, const std::function<void()>& draw)
{
    probe.settle();
    std::vector<double> drawing, paint, pixels;
    for (int i = 0; i < redraws; ++i) {
        const auto start = Clock::now();
        draw();
        probe.display().flush();
        const auto drawn = Clock::now();
        drawing.push_back(std::chrono::duration<double, std::micro>(drawn - start).count());
        const Paint p = probe.awaitPaint(drawn);
        paint.push_back(p.microseconds);
        pixels.push_back(static_cast<double>(p.pixels));
    }
    return {redraws, median(drawing), median(paint), median(pixels)};
}

}  // namespace

ViewCost seriesViewCost(WindowProbe& probe, int bin, const MovePlan& moves, int redraws)
{
    KolvenWindow& w = probe.window();
    const PlotGeometry plot = w.seriesPlot();
    const int position = bin - plot.firstBin;
    const auto [x, xSame] = pixelsOver(plot, position);
    const int xNext = pixelsOver(plot, position + 1).first;
    const int y = bandRow(static_cast<int>(w.EQM2_N.top() + 1.1 * w.EQM2_N.height()),
                          static_cast<int>(w.EFF_EXP.top() - w.EFF_EXP.height() / 4.0));
    ViewCost cost;
    cost.sameBin = moveCost(probe, {x, y}, {xSame, y}, moves);
    cost.nextBin = moveCost(probe, {x, y}, {xNext, y}, moves);
    cost.onePixel = onePixelCost(probe, {x, y}, {xSame, y}, moves);
    cost.redraw = redrawCost(probe, redraws, [&] {
        w.TRACE_CADRE();
        w.TRACE_HISTO();
    });
    return cost;
}

ViewCost analysisViewCost(WindowProbe& probe, int bin, const MovePlan& moves, int redraws)
{
    KolvenWindow& w = probe.window();
    // The series' own column when it has one, else the first law's.
    const ComparisonColumn* column = w.shownColumns().front();
    for (const ComparisonColumn* shown : w.shownColumns())
        if (shown->panel == kSeriesPanel)
            column = shown;
    const PlotGeometry plot = w.columnPlot(*column);
    const int position = bin - plot.firstBin;
    const auto [x, xSame] = pixelsOver(plot, position);
    const int xNext = pixelsOver(plot, position + 1).first;
    const int y = bandRow(static_cast<int>(w.SOMME_POIS.top() + 1.1 * w.SOMME_POIS.height()),
                          w.EFF_EXP.top() + w.EFF_EXP.height());
    ViewCost cost;
    cost.sameBin = moveCost(probe, {x, y}, {xSame, y}, moves);
    cost.nextBin = moveCost(probe, {x, y}, {xNext, y}, moves);
    cost.onePixel = onePixelCost(probe, {x, y}, {xSame, y}, moves);
    // Drawn last: each drawing takes the scale it finds for the series
    // plot's own, which "  Retour  " would bring back.
    cost.redraw = redrawCost(probe, redraws, [&] { w.TRACE_COMPARAISON(); });
    return cost;
}

}  // namespace kolven::bench
