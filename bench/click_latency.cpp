#include "click_latency.h"

#include <vector>

#include "bench_stats.h"

namespace kolven::bench {

Latency clickLatency(WindowProbe& probe, const platform::Control& target, int clicks,
                     const std::function<void()>& ready, const std::function<void()>& after)
{
    std::vector<double> total, handler, pixels;
    for (int i = 0; i < clicks; ++i) {
        if (ready)
            ready();
        const QPoint at = drive::middleOf(target);
        probe.moveTo(at);
        probe.press(at);
        probe.settle();
        const auto start = Clock::now();
        probe.release(at);
        handler.push_back(microsecondsSince(start) / 1000);
        const Paint paint = probe.awaitPaint(start);
        total.push_back(paint.microseconds / 1000);
        pixels.push_back(static_cast<double>(paint.pixels));
        if (!paint.happened)
            std::fprintf(stderr, "warning: no paint after a click on %s\n", target.name().c_str());
        probe.settle();
        if (after)
            after();
    }
    return {clicks, median(total), median(handler), median(pixels)};
}

void countSeries(WindowProbe& probe, int runLengthEntry)
{
    KolvenWindow& w = probe.window();
    // The plain simulation among the associations.
    w.ASSOCIATIONS_List.setIndex(0);
    w.Label38.setFore(platform::colors::blue);
    w.ASSOCIATIONS_List_Click();
    w.LANCER_N.setIndex(runLengthEntry);
    w.LANCER_N_Click();
    probe.settle();
}

}  // namespace kolven::bench
