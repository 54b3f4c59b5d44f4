#include <QApplication>

#include <iostream>
#include <string_view>

#include "platform/clock.h"
#include "platform/posix_files.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_sound_input.h"
#include "platform/qt/qt_window_system.h"
#include "shell/interval_file_check.h"
#include "shell/kolven_window.h"

int main(int argc, char* argv[])
{
    // Two questions a technician asks of an installed copy, answered without
    // a display: which version, and whether the interval file is found.
    const std::string_view option = argc == 2 ? argv[1] : "";
    if (option == "--version") {
        std::cout << "kolven " KOLVEN_VERSION "\n";
        return 0;
    }
    if (option == "--check") {
        kolven::platform::PosixFileSystem files;
        const kolven::IntervalFileCheck check = kolven::checkIntervalFile(files);
        (check.usable ? std::cout : std::cerr) << check.message;
        return check.usable ? 0 : 1;
    }

    QApplication app(argc, argv);
    kolven::platform::SystemClock clock;
    kolven::platform::PosixFileSystem files;
    kolven::platform::qt::QtWindowSystem windowSystem;
    kolven::platform::qt::QtDialogs dialogs(windowSystem.widget());
    kolven::platform::qt::QtClipboard clipboard;
    kolven::platform::qt::QtSoundInput sound;
    kolven::KolvenWindow window({windowSystem, clock, files, dialogs, clipboard, kolven::platform::systemAudioFiles(), sound});
    windowSystem.attach(window);
    window.Form_Load();
    windowSystem.showWindow();
    return app.exec();
}
