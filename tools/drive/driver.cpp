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
#include <optional>
#include <ostream>
#include <sstream>

#include "platform/qt/image_surface.h"
#include "platform/qt/qt_window_system.h"
#include "shell/kolven_window.h"
#include "real_pointer.h"
#include "state_dump.h"

namespace kolven::drive {

using platform::kTwipsPerPixel;

namespace {

// Time for the X server to take in the window's last paint before the
// screen is read back.
constexpr int kSettleMilliseconds = 300;

// The pixel whose twips hold x (the canvas reports a pixel as its first twip).
QPoint pixelOf(int x, int y)
{
    return QPoint(platform::qt::toPixels(x), platform::qt::toPixels(y));
}

// Null when there is no regular file at path: a folder opens as a stream
// but throws at the first read.
std::optional<std::string> fileText(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

Driver::Driver(KolvenWindow& window, platform::qt::QtWindowSystem& windowSystem, ScriptedDialogs& dialogs,
               FileSoundInput& sound, std::ostream& out)
    : m_window(window), m_windowSystem(windowSystem), m_dialogs(dialogs), m_sound(sound), m_qwindow(windowSystem.widget().windowHandle()),
      m_pointer(m_qwindow, [] { QCoreApplication::processEvents(); }), m_out(out)
{
    m_windowSystem.setYieldHook([this](int n) { onYield(n); });
}

bool Driver::ended() const
{
    return m_windowSystem.ended();
}

void Driver::error(const std::string& message)
{
    m_out << "{\"error\": " << jsonString(message) << "}" << std::endl;
}

void Driver::catchUp()
{
    m_windowSystem.flush();
    QCoreApplication::processEvents();
}

bool Driver::run(const Command& command)
{
    catchUp();
    const int yieldsBefore = m_windowSystem.yieldCount();
    m_commandBase = yieldsBefore;
    m_armedFailed = false;
    bool done = perform(command);
    // stop-after and at-count aim at the next run only: once a run has been
    // through its yields, an unspent stop is dropped, and an unspent command
    // is an error of the script (the run was shorter than it thought).
    const bool ranYields = m_windowSystem.yieldCount() > yieldsBefore;
    if (m_stopArmed && command.verb != Verb::StopAfter && ranYields)
        m_stopArmed = false;
    if (ranYields && !dropUnspentCommands())
        done = false;
    return done && !m_armedFailed;
}

bool Driver::dropUnspentCommands()
{
    const int yields = m_windowSystem.yieldCount() - m_commandBase;
    for (const Armed& armed : m_armed)
        error("at-count " + std::to_string(armed.count) + ": the run ended after " + std::to_string(yields) +
              " yields, the command was not carried out");
    const bool allSpent = m_armed.empty();
    m_armed.clear();
    return allSpent;
}

const platform::Control* Driver::controlNamed(const std::string& name)
{
    const platform::Control* c = m_window.control(name);
    if (!c)
        error("unknown control: " + name);
    return c;
}

QPoint Driver::backgroundPoint() const
{
    // From the bottom right corner upwards: the plot's lower margin is the
    // part of the window least likely to hold a control.
    const int width = m_windowSystem.screenWidthPixels(), height = m_windowSystem.screenHeightPixels();
    for (int y = height - 1; y >= 0; y -= 4)
        for (int x = width - 1; x >= 0; x -= 4)
            if (!m_window.controlAt(x * kTwipsPerPixel, y * kTwipsPerPixel))
                return QPoint(x, y);
    return QPoint(width - 1, height - 1);
}

void Driver::clickAt(QPoint pixel)
{
    m_pointer.moveTo(pixel);
    if (ended())
        return;
    m_pointer.press(pixel);
    if (ended())
        return;
    m_pointer.release(pixel);
}

void Driver::onYield(int yieldNumber)
{
    // The commands due now, taken out first: carrying one out runs Qt's
    // events, and nothing may change the list under the loop.
    std::vector<Command> due;
    for (auto it = m_armed.begin(); it != m_armed.end();) {
        if (m_commandBase + it->count == yieldNumber) {
            due.push_back(std::move(it->command));
            it = m_armed.erase(it);
        } else {
            ++it;
        }
    }
    // The read-outs, written when the screen is painted, are brought up to
    // date first: a command may read them.
    if (!due.empty())
        m_window.beforeFrame();
    for (const Command& command : due) {
        if (ended())
            break;
        if (!perform(command))
            m_armedFailed = true;
    }

    if (!m_stopArmed || yieldNumber != m_stopBase + m_stopCount || ended())
        return;
    m_stopArmed = false;
    // A person's press on the stop label, made while the run counts: Qt
    // delivers it within this yield.
    const QPoint stop = middleOf(m_window.ARRET_Label);
    m_pointer.moveTo(stop);
    m_pointer.press(stop);
    m_pointer.release(stop);
}

// PNG, unless the file's suffix names another format Qt writes (an
// uncompressed .ppm is easy for a test to read).
bool Driver::save(const QPixmap& picture, const std::string& name)
{
    const QString file = QString::fromStdString(name);
    const QByteArray suffix = QFileInfo(file).suffix().toLower().toLatin1();
    const char* format = QImageWriter::supportedImageFormats().contains(suffix) ? suffix.constData() : "PNG";
    if (!picture.save(file, format)) {
        error("cannot write the picture " + name);
        return false;
    }
    return true;
}

bool Driver::perform(const Command& c)
{
    switch (c.verb) {
    case Verb::Hover:
    case Verb::Click:
    case Verb::Down: {
        const platform::Control* control = controlNamed(c.name);
        if (!control)
            return false;
        const QPoint centre = middleOf(*control);
        if (c.verb == Verb::Hover) {
            m_pointer.moveTo(centre);
        } else if (c.verb == Verb::Click) {
            clickAt(centre);
        } else {
            m_pointer.moveTo(centre);
            if (ended())
                return true;
            m_pointer.press(centre);
            if (ended())
                return true;
            const QPoint away = backgroundPoint();
            m_pointer.moveTo(away);
            m_pointer.release(away);
        }
        return true;
    }
    case Verb::Pick: {
        const platform::Control* list = controlNamed(c.name);
        if (!list)
            return false;
        if (list->kind() != platform::ControlKind::List) {
            error("not a list: " + c.name);
            return false;
        }
        const platform::Rect r = list->windowRect();
        const int y = r.top + platform::kListFrame / 2 + (2 * c.a + 1) * list->itemHeight() / 2;
        clickAt(QPoint(middleOf(*list).x(), platform::qt::toPixels(y)));
        return true;
    }
    case Verb::Move:
        m_pointer.moveTo(pixelOf(c.a, c.b));
        return true;
    case Verb::BackgroundClick:
        clickAt(pixelOf(c.a, c.b));
        return true;
    case Verb::StopAfter:
        m_stopArmed = true;
        m_stopBase = m_windowSystem.yieldCount();
        m_stopCount = c.a;
        return true;
    case Verb::AtCount:
        m_armed.push_back({c.a, *c.deferred});
        return true;
    case Verb::Dump:
        m_out << dumpJson(m_window) << std::endl;
        return true;
    case Verb::Export: {
        const std::string path = m_window.services.files.exportFile().path();
        m_out << exportJson(path, fileText(path)) << std::endl;
        return true;
    }
    case Verb::Shot:
        catchUp();
        return save(m_windowSystem.widget().grab(), c.name);
    case Verb::ScreenShot: {
        // What the screen really shows, window and all: the window must have
        // been mapped and painted first.
        if (!QTest::qWaitForWindowExposed(m_qwindow)) {
            error("screen-shot: the window never appeared");
            return false;
        }
        catchUp();
        QTest::qWait(kSettleMilliseconds);
        QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen) {
            error("screen-shot: no screen");
            return false;
        }
        return save(screen->grabWindow(0), c.name);
    }
    case Verb::AnswerFile:
        m_dialogs.answerNext(c.name.empty() ? std::nullopt : std::optional<std::string>(c.name));
        return true;
    case Verb::RecordFrom: {
        // As a person would: the detector's menu, its first entry; then the
        // file plays to its end.
        m_sound.arm(c.name);
        if (!perform(Command{Verb::Hover, "DETECTEUR", 0, 0, nullptr}) || !perform(Command{Verb::Pick, "DETECTEUR_List", 0, 0, nullptr}))
            return false;
        std::string problem;
        if (!m_sound.feedToEnd(problem)) {
            error(problem);
            return false;
        }
        catchUp();
        return true;
    }
    case Verb::Clipboard:
        m_out << "{\"clipboard\": " << jsonString(m_window.services.clipboard.text()) << "}" << std::endl;
        return true;
    case Verb::Quit:
        clickAt(middleOf(m_window.FIN));
        if (!ended()) {
            error("quit: the program did not end");
            return false;
        }
        return true;
    }
    return false;
}

}  // namespace kolven::drive
