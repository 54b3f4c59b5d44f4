// The count run's benchmark: counts per second of a whole run, with and
// without the window, and the cost per count of each stage (simulation,
// classing, drawing and yield, export). Every figure is the median of
// several repetitions, and the stages are measured in the same process so
// that their sum can be set beside the whole run.
//
//   kolven-bench [--counts N] [--repeat R] [--means M,M,…] [--no-window] [--window-only] [--read-first]
//
// A run starts as soon as the window is built, while the interval file is
// still being read on its own thread, unless --read-first: then it starts
// once the stream is held, as it does for anyone who clicks a second after
// the program opened.
//
// With the window it needs a display: the offscreen platform by default
// (QT_QPA_PLATFORM=offscreen), or a real X server (xvfb-run with
// QT_QPA_PLATFORM=xcb).

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/interval_file.h"
#include "core/interval_file_location.h"
#include "platform/clock.h"
#include "platform/posix_files.h"
#include "platform/qt/qt_window_system.h"
#include "shell/kolven_window.h"
#include "program_folder.h"

namespace {

using kolven::bench::programFolder;

using Clock = std::chrono::steady_clock;

constexpr int kMillionEntry = 16;  // " 1000000 " in the list of run lengths

// A window system with no display at all: what the behaviour costs alone.
class NoSurface final : public kolven::platform::Surface {
public:
    void clear() override {}
    void line(int, int, int, int, kolven::platform::Color) override {}
    void fillBlock(int, int, int, int, kolven::platform::Color) override {}
    void point(int, int, kolven::platform::Color) override {}
    void text(int, int, const std::string&, kolven::platform::Color, const kolven::platform::Font&) override {}
    void setPersistent(bool) override {}
};

class NoDisplay final : public kolven::platform::WindowSystem {
public:
    kolven::platform::Size measure(const kolven::platform::Font& font, const std::string& text) const override
    {
        return {static_cast<int>(text.size() * font.size * 8), static_cast<int>(font.size * 23)};
    }
    int screenWidthPixels() const override { return 1024; }
    int screenHeightPixels() const override { return 768; }
    kolven::platform::Surface& surface() override { return m_surface; }
    void yield() override
    {
        if (hook)
            hook(++m_yields);
    }
    void endProgram() override {}
    void setArrowCursor() override {}
    char decimalSeparator() const override { return ','; }

    std::function<void(int)> hook;

private:
    NoSurface m_surface;
    int m_yields = 0;
};

double seconds(Clock::time_point from)
{
    return std::chrono::duration<double>(Clock::now() - from).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

long residentKilobytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

struct Folder {
    Folder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kolven-bench-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~Folder() { std::filesystem::remove_all(path); }
    std::string path;
};

// A window ready to count plain simulated counts at the given mean.
void prepare(kolven::KolvenWindow& window, float mean)
{
    window.Form_Load();
    window.ASSOCIATIONS_List.setIndex(0);
    window.Label38.setFore(kolven::platform::colors::blue);
    window.ASSOCIATIONS_List_Click();
    window.mean.TEMPS_S = mean;
}

struct RunResult {
    double seconds;
    long residentGrowthKb;
    long residentAfterKb;
};

// A whole run of `counts` counts through the run list, stopped by a press
// on the stop label when shorter than a million.
RunResult wholeRun(kolven::KolvenWindow& window, int counts,
                   const std::function<void(std::function<void(int)>)>& setHook)
{
    long firstResident = 0, lastResident = 0;
    setHook([&](int n) {
        if (n == 1)
            firstResident = residentKilobytes();
        if (n == counts) {
            lastResident = residentKilobytes();
            window.series.COMPTAGE_I = 0;
        }
    });
    window.LANCER_N.setIndex(kMillionEntry);
    const auto start = Clock::now();
    window.LANCER_N_Click();
    const double elapsed = seconds(start);
    if (window.series.SN_L < counts / 2)
        std::fprintf(stderr, "warning: only %d counts classed (%s)\n", window.series.SN_L,
                     window.AVIS.visible() ? window.AVIS.caption().c_str() : "no notice");
    return {elapsed, lastResident - firstResident, residentKilobytes()};
}

struct Options {
    int counts = 1000000;
    int repeat = 3;
    bool headless = true;
    bool windowed = true;
    bool readFirst = false;
    std::vector<float> means = {0.1f, 9.0f, 36.0f, 100.0f, 170.0f};
};

Options parse(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--counts") && i + 1 < argc)
            o.counts = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--repeat") && i + 1 < argc)
            o.repeat = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--means") && i + 1 < argc) {
            o.means.clear();
            for (char* m = std::strtok(argv[++i], ","); m; m = std::strtok(nullptr, ","))
                o.means.push_back(std::strtof(m, nullptr));
        } else if (!std::strcmp(argv[i], "--no-window"))
            o.windowed = false;
        else if (!std::strcmp(argv[i], "--window-only"))
            o.headless = false;
        else if (!std::strcmp(argv[i], "--read-first"))
            o.readFirst = true;
    }
    return o;
}

// Cost per count of each stage, alone, on a headless window; returns the
// export's.
double stages(const Options& o, float mean)
{
    std::vector<double> simulation, classing, exporting, replacing, reopening;
    for (int r = 0; r < o.repeat; ++r) {
        Folder exportRoot;
        NoDisplay display;
        kolven::platform::SystemClock clock(0);
        kolven::platform::PosixFileSystem files(exportRoot.path, programFolder());
        kolven::KolvenWindow window({display, clock, files});
        prepare(window, mean);

        kolven::IntervalFile intervals(files, kolven::locateIntervalFile(files), clock);
        std::vector<std::int16_t> counts(static_cast<size_t>(o.counts));
        auto start = Clock::now();
        for (auto& c : counts)
            c = kolven::simulatedCount(intervals, mean, {window.series.A_S, window.series.B_S, window.series.DONNEES_T});
        simulation.push_back(seconds(start) / o.counts * 1e6);

        window.series.MODE_T = "C_1000000";
        start = Clock::now();
        for (std::int16_t c : counts) {
            window.series.NC_I = std::min<std::int16_t>(c, 240);
            window.classCount();
        }
        classing.push_back(seconds(start) / o.counts * 1e6);

        // As a fast run exports: the rhythm asked after every count, the
        // file replaced about once a frame.
        start = Clock::now();
        for (int i = 0; i < o.counts; ++i) {
            ++window.series.HISTO_COMPT[counts[static_cast<size_t>(i)] % 241];
            window.exportAfterCount(false);
        }
        exporting.push_back(seconds(start) / o.counts * 1e6);

        // One replacement of the file, as after every count of a run
        // followed count by count.
        const int replacements = std::min(o.counts, 5000);
        start = Clock::now();
        for (int i = 0; i < replacements; ++i) {
            ++window.series.HISTO_COMPT[counts[static_cast<size_t>(i)] % 241];
            window.writeExportFile();
        }
        replacing.push_back(seconds(start) / replacements * 1e6);

        // Baseline: the same text written by opening, truncating, writing and
        // closing the file at every count.
        const std::string text = kolven::ExportText().render(window.series.HISTO_COMPT);
        const std::string path = exportRoot.path + "/baseline.txt";
        const int writes = std::min(o.counts, 20000);
        start = Clock::now();
        for (int i = 0; i < writes; ++i)
            std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
        reopening.push_back(seconds(start) / writes * 1e6);
    }
    std::printf("  stages, µs per count (median of %d): simulation %.3f  classing %.3f  export %.3f "
                "(one replacement of the file %.1f; baseline open-truncate-write-close %.1f)\n",
                o.repeat, median(simulation), median(classing), median(exporting), median(replacing),
                median(reopening));
    return median(exporting);
}

void headlessRuns(const Options& o, float mean, double exportPerCount)
{
    std::vector<double> times;
    std::vector<double> growth;
    for (int r = 0; r < o.repeat; ++r) {
        Folder exportRoot;
        NoDisplay display;
        kolven::platform::SystemClock clock;
        kolven::platform::PosixFileSystem files(exportRoot.path, programFolder());
        kolven::KolvenWindow window({display, clock, files});
        prepare(window, mean);
        if (o.readFirst)
            window.intervalsRead(60);
        const RunResult result = wholeRun(window, o.counts, [&](auto hook) { display.hook = hook; });
        times.push_back(result.seconds);
        growth.push_back(static_cast<double>(result.residentGrowthKb));
    }
    const double t = median(times);
    std::printf("  whole run without window: %.2f s for %d counts (median of %d), %.0f counts/s, %.2f µs/count, "
                "resident growth %.0f kB; the export's share %.1f %%\n",
                t, o.counts, o.repeat, o.counts / t, t / o.counts * 1e6, median(growth),
                100 * exportPerCount / (t / o.counts * 1e6));
}

void windowedRuns(const Options& o, float mean)
{
    std::vector<double> times;
    std::vector<double> growth;
    std::vector<double> yieldCost;
    std::vector<double> resident;
    for (int r = 0; r < o.repeat; ++r) {
        Folder exportRoot;
        kolven::platform::SystemClock clock;
        kolven::platform::PosixFileSystem files(exportRoot.path, programFolder());
        kolven::platform::qt::QtWindowSystem display;
        kolven::KolvenWindow window({display, clock, files});
        display.attach(window);
        prepare(window, mean);
        display.showWindow();
        QApplication::processEvents();

        // The window's own work per count: the bar and the yield.
        const int probes = std::min(o.counts, 200000);
        auto start = Clock::now();
        for (int i = 0; i < probes; ++i) {
            window.drawSeriesBar(i % 81, kolven::platform::paletteColor(9));
            display.yield();
        }
        yieldCost.push_back(seconds(start) / probes * 1e6);

        if (o.readFirst)
            window.intervalsRead(60);
        const RunResult result =
            wholeRun(window, o.counts, [&](auto hook) {
                const int offset = display.yieldCount();
                display.setYieldHook([hook, offset](int n) { hook(n - offset); });
            });
        times.push_back(result.seconds);
        growth.push_back(static_cast<double>(result.residentGrowthKb));
        resident.push_back(static_cast<double>(result.residentAfterKb));
    }
    const double t = median(times);
    std::printf("  drawing and yield with the window: %.3f µs per count (median of %d)\n", median(yieldCost),
                o.repeat);
    std::printf("  whole run with the window (%s%s): %.2f s for %d counts (median of %d), %.0f counts/s, "
                "%.2f µs/count, resident growth %.0f kB, resident after the run %.0f kB\n",
                qPrintable(QApplication::platformName()), o.readFirst ? ", stream read first" : "", t, o.counts, o.repeat, o.counts / t,
                t / o.counts * 1e6, median(growth), median(resident));
}

}  // namespace

int main(int argc, char** argv)
{
    const Options o = parse(argc, argv);
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    for (float mean : o.means) {
        std::printf("mean %g\n", mean);
        if (o.headless) {
            headlessRuns(o, mean, stages(o, mean));
        }
        if (o.windowed)
            windowedRuns(o, mean);
        std::fflush(stdout);
    }
    return 0;
}
