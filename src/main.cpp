#include <QApplication>

#include "platform/clock.h"
#include "platform/posix_files.h"
#include "platform/qt/qt_window_system.h"
#include "shell/kolven_window.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    kolven::platform::SystemClock clock;
    kolven::platform::PosixFileSystem files;
    kolven::platform::qt::QtWindowSystem windowSystem;
    kolven::KolvenWindow window({windowSystem, clock, files});
    windowSystem.attach(window);
    window.Form_Load();
    windowSystem.showWindow();
    return app.exec();
}
