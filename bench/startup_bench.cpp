// Start-up to the first frame: the program started afresh, as a person
// starts it, until the end of the window's first paint (its pixels handed
// to the window system), median of several starts. Each start is a new
// process, so that nothing (fonts, the interval file's pages aside) is warm
// in it. Also tells whether the interval stream was already held at the
// first frame (its reading runs beside the start-up) and the resident size
// then.
//
//   kolven-bench-startup [--runs N] [--size WxH]
//
// The window is on the offscreen platform unless QT_QPA_PLATFORM says
// otherwise; it has exactly the given size (1024×768 by default).

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "bench_stats.h"
#include "platform/clock.h"
#include "platform/posix_files.h"
#include "platform/qt/qt_window_system.h"
#include "shell/kolven_window.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    int runs = 7;
    int width = 1024;
    int height = 768;
};

long nanosecondsNow()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

class FirstPaint final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            seen = true;
        return false;
    }
    bool seen = false;
};

// The program's own start-up (main.cpp), then the event loop until the
// first paint has ended. Prints the moment it ended, whether the stream was
// held, and the resident size.
int child(int argc, char** argv, const Options& o)
{
    QApplication app(argc, argv);
    kolven::platform::SystemClock clock;
    kolven::platform::PosixFileSystem files;
    kolven::platform::qt::QtWindowSystem windowSystem({o.width, o.height, {}});
    kolven::KolvenWindow window({windowSystem, clock, files});
    windowSystem.attach(window);
    window.Form_Load();
    windowSystem.showWindow();
    FirstPaint watch;
    windowSystem.widget().installEventFilter(&watch);
    while (!watch.seen)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const long ended = nanosecondsNow();
    const bool held = window.intervalsRead(0);
    std::printf("%ld %d %ld\n", ended, held ? 1 : 0, residentKilobytes());
    std::fflush(stdout);
    window.intervalsRead(60);  // the reading thread ends before the window does
    return 0;
}

struct Start {
    double milliseconds = 0;
    bool held = false;
    long residentKb = 0;
};

Start startOnce(const char* self, const Options& o)
{
    int out[2];
    if (pipe(out) != 0)
        std::exit(1);
    char size[32];
    std::snprintf(size, sizeof size, "%dx%d", o.width, o.height);
    const long started = nanosecondsNow();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl(self, self, "--child", "--size", size, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    char text[128] = {};
    const ssize_t got = read(out[0], text, sizeof text - 1);
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long ended = 0, rss = 0;
    int held = 0;
    if (got <= 0 || std::sscanf(text, "%ld %d %ld", &ended, &held, &rss) != 3) {
        std::fprintf(stderr, "the started program told nothing\n");
        std::exit(1);
    }
    return {(ended - started) / 1e6, held != 0, rss};
}

}  // namespace

int main(int argc, char** argv)
{
    Options o;
    bool isChild = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--runs") && i + 1 < argc)
            o.runs = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--size") && i + 1 < argc)
            std::sscanf(argv[++i], "%dx%d", &o.width, &o.height);
        else if (!std::strcmp(argv[i], "--child"))
            isChild = true;
    }
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (isChild)
        return child(argc, argv, o);

    std::vector<double> times, rss;
    int held = 0;
    for (int i = 0; i < o.runs; ++i) {
        const Start s = startOnce("/proc/self/exe", o);
        times.push_back(s.milliseconds);
        rss.push_back(static_cast<double>(s.residentKb));
        held += s.held;
        std::printf("  start %d: first frame after %.1f ms, stream %s, %ld kB resident\n", i + 1, s.milliseconds,
                    s.held ? "held already" : "still being read", s.residentKb);
    }
    std::printf("start-up to the end of the first paint (%s, %dx%d): median %.1f ms of %d starts, "
                "stream held at the first frame in %d of them, median %.0f kB resident then\n",
                std::getenv("QT_QPA_PLATFORM"), o.width, o.height, kolven::bench::median(times), o.runs, held,
                kolven::bench::median(rss));
    return 0;
}
