// The window as the program shows it, on a bare X server: no window manager
// to honour a full-screen request, as in a kiosk.

#include <QColor>
#include <QImage>
#include <QProcessEnvironment>

#include "support/drive_runner.h"

namespace {

constexpr int kScreenWidth = 1280, kScreenHeight = 800;

// An X server of its own on a free display, its root window black.
class BareXServer {
public:
    BareXServer() {
        m_server.setProgram("Xvfb");
        m_server.setArguments({"-displayfd", "1", "-br", "-nolisten", "tcp", "-screen", "0",
                               QString("%1x%2x24").arg(kScreenWidth).arg(kScreenHeight)});
        m_server.start();
        if (!m_server.waitForStarted(10000))
            return;
        while (!m_server.canReadLine() && m_server.waitForReadyRead(10000)) {
        }
        m_display = ":" + QString::fromLatin1(m_server.readLine()).trimmed();
    }
    ~BareXServer() {
        m_server.terminate();
        m_server.waitForFinished(5000);
    }
    // Empty when the server did not start.
    const QString& display() const { return m_display; }

private:
    QProcess m_server;
    QString m_display;
};

// The title band runs along the top of the window and the white plot area
// fills its bottom: both far corners of the screen show the window, not the
// black root behind it.
TEST(FullScreenDriveTest, TheWindowCoversTheScreenWithoutAWindowManager) {
    const BareXServer server;
    ASSERT_FALSE(server.display().isEmpty()) << "Xvfb is needed (bash scripts/setup.sh installs it)";
    QTemporaryDir folder;
    const QString picture = folder.filePath("screen.png");

    QProcess drive;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", server.display());
    environment.insert("QT_QPA_PLATFORM", "xcb");
    drive.setProcessEnvironment(environment);
    drive.start(QStringLiteral(KOLVEN_BIN_DIR "/kolven-drive"),
                {"--screen", "real", "--workdir", folder.path(), "--export-root", folder.path()});
    drive.write(QString("screen-shot %1\nquit\n").arg(picture).toUtf8());
    drive.closeWriteChannel();
    ASSERT_TRUE(drive.waitForFinished(60000) && drive.exitCode() == 0)
        << drive.readAllStandardOutput().toStdString() << drive.readAllStandardError().toStdString();

    const QImage screen(picture);
    ASSERT_EQ(screen.size(), QSize(kScreenWidth, kScreenHeight));
    // Top right: the title band; bottom right and left: the window's background.
    const auto colourAt = [&](int x, int y) { return screen.pixelColor(x, y).name().toStdString(); };
    const int right = kScreenWidth - 1, bottom = kScreenHeight - 1;
    EXPECT_EQ(std::tuple(colourAt(right, 0), colourAt(right, bottom), colourAt(0, bottom)),
              std::tuple("#000080", "#ffffff", "#ffffff"));
}

}  // namespace
