// kolven-drive [--screen WxH|real] [--clock SECONDS] [--workdir DIR]
//              [--export-root DIR] [--data-home DIR] [--locale NAME] < script
//
// Runs the program's window on the offscreen platform (unless
// QT_QPA_PLATFORM names another) and plays the script read from standard
// input. The exit status is 1 when a line of the script was in error.
// "--screen real" shows the window as the program does, full screen on the
// real screen; any other screen is a window of exactly that size.

#include <QApplication>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <variant>

#include "driver.h"
#include "file_sound_input.h"
#include "platform/clock.h"
#include "platform/posix_files.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_window_system.h"
#include "scripted_dialogs.h"
#include "shell/kolven_window.h"

namespace {

struct Options {
    int screenWidth = 1024;
    int screenHeight = 768;
    std::optional<double> clock;
    std::string workdir;
    std::string exportRoot;
    std::string dataHome;
    std::string locale = "fr_FR";
};

[[noreturn]] void usage(const std::string& problem)
{
    std::cerr << "kolven-drive: " << problem << "\n"
              << "usage: kolven-drive [--screen WxH|real] [--clock SECONDS] [--workdir DIR] [--export-root DIR]"
                 " [--data-home DIR] [--locale NAME] < script\n";
    std::exit(2);
}

std::string absolute(const std::string& path)
{
    return std::filesystem::absolute(path).lexically_normal().string();
}

Options parseOptions(int argc, char* argv[])
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            usage("missing value after " + option);
        const std::string value = argv[++i];
        if (option == "--screen" && value == "real") {
            o.screenWidth = 0;
            o.screenHeight = 0;
        } else if (option == "--screen") {
            char x = 0;
            char rest = 0;
            if (std::sscanf(value.c_str(), "%d%c%d%c", &o.screenWidth, &x, &o.screenHeight, &rest) != 3 ||
                x != 'x' || o.screenWidth <= 0 || o.screenHeight <= 0)
                usage("--screen wants WIDTHxHEIGHT in pixels or real, not " + value);
        } else if (option == "--clock") {
            char* end = nullptr;
            o.clock = std::strtod(value.c_str(), &end);
            if (end == value.c_str() || *end)
                usage("--clock wants seconds since midnight, not " + value);
        } else if (option == "--workdir") {
            o.workdir = absolute(value);
        } else if (option == "--export-root") {
            o.exportRoot = absolute(value);
        } else if (option == "--data-home") {
            o.dataHome = absolute(value);
        } else if (option == "--locale") {
            o.locale = value;
        } else {
            usage("unknown option " + option);
        }
    }
    return o;
}

}  // namespace

int main(int argc, char* argv[])
{
    const Options options = parseOptions(argc, argv);
    if (!options.workdir.empty() && chdir(options.workdir.c_str()) != 0)
        usage("cannot enter the folder " + options.workdir);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // Qt sees no argument of ours.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);

    kolven::platform::SystemClock clock =
        options.clock ? kolven::platform::SystemClock(*options.clock) : kolven::platform::SystemClock();
    kolven::platform::PosixFileSystem files(options.exportRoot, options.workdir, options.dataHome);
    kolven::platform::qt::QtWindowSystem windowSystem(
        {options.screenWidth, options.screenHeight, options.locale});
    kolven::platform::qt::QtDialogs desktopDialogs(windowSystem.widget());
    kolven::drive::ScriptedDialogs dialogs(desktopDialogs, std::cout, std::cerr);
    kolven::platform::qt::QtClipboard clipboard;
    kolven::drive::FileSoundInput sound(kolven::platform::systemAudioFiles());
    kolven::KolvenWindow window({windowSystem, clock, files, dialogs, clipboard, kolven::platform::systemAudioFiles(), sound});
    windowSystem.attach(window);
    window.Form_Load();
    windowSystem.showWindow();

    kolven::drive::Driver driver(window, windowSystem, dialogs, sound, std::cout);
    bool failed = false;
    std::string line;
    while (!driver.ended() && std::getline(std::cin, line)) {
        const auto parsed = kolven::drive::parseLine(line);
        if (!parsed)
            continue;
        if (const auto* problem = std::get_if<kolven::drive::ParseError>(&*parsed)) {
            driver.error(problem->message);
            failed = true;
            continue;
        }
        const auto& command = std::get<kolven::drive::Command>(*parsed);
        if (!driver.run(command))
            failed = true;
        if (command.verb == kolven::drive::Verb::Quit)
            break;
    }
    windowSystem.attachTarget(nullptr);
    return failed ? 1 : 0;
}
