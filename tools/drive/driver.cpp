#include "driver.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <QtTest/QTest>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>

#include "file_sound_input.h"
#include "platform/qt/qt_window_system.h"
#include "scripted_dialogs.h"
#include "shell/kolven_window.h"

namespace kolven::drive {

namespace {

// Time for the X server to take in the window's last paint before the
// screen is read back.
constexpr int kSettleMilliseconds = 300;

}  // namespace

Driver::Driver(KolvenWindow& window, platform::qt::QtWindowSystem& windowSystem, ScriptedDialogs& dialogs,
               FileSoundInput& sound, std::ostream& out)
    : m_windowSystem(windowSystem), m_dialogs(dialogs), m_sound(sound), m_qwindow(windowSystem.widget().windowHandle()),
      m_pointer(m_qwindow, [] { QCoreApplication::processEvents(); }), m_out(out), m_player(window, *this)
{
    m_windowSystem.setYieldHook([this](int n) { m_player.onYield(n); });
}

bool Driver::ended() const
{
    return m_windowSystem.ended();
}

void Driver::pointer(PointerAction action, Pixel pixel)
{
    const QPoint point(pixel.x, pixel.y);
    switch (action) {
    case PointerAction::Move:
        m_pointer.moveTo(point);
        break;
    case PointerAction::Press:
        m_pointer.press(point);
        break;
    case PointerAction::Release:
        m_pointer.release(point);
        break;
    }
}

void Driver::catchUp()
{
    m_windowSystem.flush();
    QCoreApplication::processEvents();
}

int Driver::yieldCount() const
{
    return m_windowSystem.yieldCount();
}

void Driver::write(const std::string& line)
{
    m_out << line << std::endl;
}

// Null when there is no regular file at path: a folder opens as a stream
// but throws at the first read.
std::optional<std::string> Driver::exportText(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::optional<std::string> Driver::savePicture(Verb verb, const std::string& file)
{
    if (verb == Verb::Shot) {
        catchUp();
        return save(m_windowSystem.widget().grab(), file);
    }
    // What the screen really shows, window and all: the window must have
    // been mapped and painted first.
    if (!QTest::qWaitForWindowExposed(m_qwindow))
        return "screen-shot: the window never appeared";
    catchUp();
    QTest::qWait(kSettleMilliseconds);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return "screen-shot: no screen";
    return save(screen->grabWindow(0), file);
}

std::optional<std::string> Driver::answerNextDialog(const std::optional<std::string>& path)
{
    m_dialogs.answerNext(path);
    return std::nullopt;
}

std::optional<std::string> Driver::armRecording(const std::string& file)
{
    m_sound.arm(file);
    return std::nullopt;
}

std::optional<std::string> Driver::feedRecording()
{
    std::string problem;
    if (!m_sound.feedToEnd(problem))
        return problem;
    return std::nullopt;
}

// PNG, unless the file's suffix names another format Qt writes (an
// uncompressed .ppm is easy for a test to read).
std::optional<std::string> Driver::save(const QPixmap& picture, const std::string& name)
{
    const QString file = QString::fromStdString(name);
    const QByteArray suffix = QFileInfo(file).suffix().toLower().toLatin1();
    const char* format = QImageWriter::supportedImageFormats().contains(suffix) ? suffix.constData() : "PNG";
    if (!picture.save(file, format))
        return "cannot write the picture " + name;
    return std::nullopt;
}

}  // namespace kolven::drive
