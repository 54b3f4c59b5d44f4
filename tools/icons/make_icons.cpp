// kolven-make-icons OUTPUT_FOLDER SIZE...
//
// Draws the program's logo, with the very code that draws it in the title
// band, at each size (in pixels) into OUTPUT_FOLDER/SIZExSIZE/apps/kolven.png:
// the icon theme's layout, ready to install under share/icons/hicolor.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <iostream>
#include <string>

#include "platform/qt/drawings.h"
#include "shell/pictures/pictures.h"

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::cerr << "usage: kolven-make-icons OUTPUT_FOLDER SIZE...\n";
        return 2;
    }
    // Drawing needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    const QString output = QString::fromLocal8Bit(argv[1]);
    const kolven::pictures::Picture logo = kolven::pictures::logo();
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size <= 0) {
            std::cerr << "kolven-make-icons: not a size: " << argv[i] << "\n";
            return 2;
        }
        const QString folder = QString("%1/%2x%2/apps").arg(output).arg(size);
        QImage icon(size, size, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        kolven::platform::qt::paintDrawing(painter, *logo, QSizeF(size, size));
        painter.end();
        if (!QDir().mkpath(folder) || !icon.save(folder + "/kolven.png", "PNG")) {
            std::cerr << "kolven-make-icons: cannot write " << folder.toStdString() << "/kolven.png\n";
            return 1;
        }
    }
    return 0;
}
