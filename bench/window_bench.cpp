// The window's benchmark: on the real Qt window, driven with real pointer
// events, the latency of the clicks that build a theoretical series and
// open the comparison on a series of a million counts, each from the
// pointer's release to the end of the window's next paint, and the cost of
// a pointer move over either plot, with and without a change of bin, set
// beside a full redraw of that plot measured in the same run.
//
//   kolven-bench-window [--clicks N] [--moves M] [--pause-us P] [--redraws R] [--size WxH] [--counts-entry E]
//
// The window is on the offscreen platform unless QT_QPA_PLATFORM says
// otherwise; it has exactly the given size (1024×768 by default).

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "click_latency.h"
#include "pointer_cost.h"

namespace {

using namespace kolven::bench;

constexpr int kMillionEntry = 16;  // " 1000000 " in the list of run lengths

struct Options {
    int clicks = 10;
    MovePlan moves;
    int redraws = 50;
    int width = 1024;
    int height = 768;
    int runEntry = kMillionEntry;
};

Options parse(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--clicks") && i + 1 < argc)
            o.clicks = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--moves") && i + 1 < argc)
            o.moves.moves = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--pause-us") && i + 1 < argc)
            o.moves.pause = std::chrono::microseconds(std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--redraws") && i + 1 < argc)
            o.redraws = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--size") && i + 1 < argc)
            std::sscanf(argv[++i], "%dx%d", &o.width, &o.height);
        else if (!std::strcmp(argv[i], "--counts-entry") && i + 1 < argc)
            o.runEntry = std::atoi(argv[++i]);
    }
    return o;
}

void print(const char* what, const Latency& l)
{
    std::printf("  %-44s %7.2f ms  (handler %.2f ms, paint of %.0f px; median of %d)\n", what, l.totalMs,
                l.handlerMs, l.pixels, l.clicks);
}

void print(const char* what, const MoveCost& m, const RedrawCost& r)
{
    std::printf("  %-26s handler %6.1f µs, painted after %3.0f %% of moves, paint %6.1f µs, %7.0f px "
                "(median of %d)\n",
                what, m.handlerUs, 100 * m.paintedShare, m.paintUs, m.pixels, m.moves);
    std::printf("  %-26s   handler + paint = %.2f %% of a full redraw's time, %.2f %% of its pixels\n", "",
                100 * (m.handlerUs + m.paintedShare * m.paintUs) / (r.drawUs + r.paintUs),
                100 * m.pixels / r.pixels);
}

void print(const char* view, const ViewCost& c, const char* redraw)
{
    std::printf(" %s\n", view);
    print("move within one bin", c.sameBin, c.redraw);
    print("move into the next bin", c.nextBin, c.redraw);
    print("move, one pixel repainted", c.onePixel, c.redraw);
    std::printf("  %-26s drawing %6.1f µs, paint %6.1f µs, %7.0f px (median of %d)\n", redraw, c.redraw.drawUs,
                c.redraw.paintUs, c.redraw.pixels, c.redraw.redraws);
}

// The theoretical origin: each law chosen from the origin menu, then
// " Comptage(s) " clicked, each `clicks` times.
void theoreticalOrigin(const Options& o)
{
    WindowProbe probe(o.width, o.height);
    kolven::KolvenWindow& w = probe.window();
    std::printf("theoretical origin, mean %g, from the release to the end of the next paint:\n",
                static_cast<double>(w.mean.TEMPS_S));
    const auto openMenu = [&] {
        probe.moveTo(kolven::drive::middleOf(w.ORIGINE));
        probe.moveTo(kolven::drive::middleOf(w.THEORIQUE_Label));
        probe.settle();
    };
    for (kolven::platform::Control* law : {&w.POISS, &w.GAUSSIEN}) {
        const Latency choose = clickLatency(probe, *law, o.clicks, openMenu);
        print(law == &w.POISS ? "\" avec POISSON \" (100 000 counts)" : "\" avec GAUSS \" (100 000 counts)", choose);
        const Latency more = clickLatency(probe, w.LANCER1, o.clicks);
        char what[64];
        std::snprintf(what, sizeof what, "\" Comptage(s) \" (up to %d counts)", w.series.SN_L);
        print(what, more);
        std::fflush(stdout);
    }
}

// A counted series: the comparison opened and closed, then the pointer over
// both plots.
void countedSeries(const Options& o)
{
    WindowProbe probe(o.width, o.height);
    kolven::KolvenWindow& w = probe.window();
    const auto start = Clock::now();
    countSeries(probe, o.runEntry);
    std::printf("counted series: %d counts at mean %g in a real run of %.1f s\n", w.series.SN_L,
                static_cast<double>(w.mean.TEMPS_S), microsecondsSince(start) / 1e6);
    const Latency open = clickLatency(probe, w.ANALYSES, o.clicks, {}, [&] { probe.click(w.Label36); });
    print("\" Analyse statistique \"", open);
    const Latency back = clickLatency(probe, w.Label36, o.clicks, [&] { probe.click(w.ANALYSES); });
    print("\"  Retour  \"", back);
    std::fflush(stdout);

    const int bin = static_cast<int>(w.mean.TEMPS_S);
    std::printf("pointer over the plot, bins %d and %d, %dx%d:\n", bin, bin + 1, o.width, o.height);
    print("series view", seriesViewCost(probe, bin, o.moves, o.redraws), "TRACE_CADRE + TRACE_HISTO");
    probe.click(w.ANALYSES);
    print("analysis view", analysisViewCost(probe, bin, o.moves, o.redraws), "TRACE_COMPARAISON");
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv)
{
    const Options o = parse(argc, argv);
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    std::printf("platform %s\n", qPrintable(QApplication::platformName()));
    theoreticalOrigin(o);
    countedSeries(o);
    return 0;
}
