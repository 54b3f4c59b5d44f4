// The real window, started by kolven-drive on the offscreen platform and read
// back through its state dump, and the drive's own contract.

#include <QColor>
#include <QImage>
#include <QProcessEnvironment>

#include "support/drive_runner.h"

namespace {

using namespace kolven::testing;
using Names = std::vector<std::string>;

// The font size, axis and band height are 15, 9300 and 800 × height / 768.
struct Screen { const char* name; int width, height; double fontSize; int axis, bandHeight; };

class StartupOnScreen : public ::testing::TestWithParam<Screen> {};

// An empty series at the mean 9; the origin menu open, the commands that
// need an origin disabled, every other menu, message and read-out hidden;
// the scale, the fonts and the plot following the screen.
TEST_P(StartupOnScreen, EveryControlStartsAsTheWindowDesignSays) {
    const Screen& s = GetParam();
    const DriveRun run = drive("dump\n", {"--screen", QString("%1x%2").arg(s.width).arg(s.height)});
    ASSERT_EQ(std::pair(run.exitCode, run.lines.size()), std::pair(0, std::size_t{1}));
    const QByteArray& dump = run.lines[0];
    const QJsonObject state = stateOf(dump), band = controlOf(dump, "Picture1");
    EXPECT_EQ(std::tuple(state["ECHHORIZ_S"].toDouble(), state["ECHVERTI_S"].toDouble(), state["POSAXE_I"].toInt(),
                         band["width"].toInt(), band["height"].toInt()),
              std::tuple(s.width / 1024.0, s.height / 768.0, s.axis, s.width * 15, s.bandHeight));
    for (const char* name : {"FIN", "LANCER1", "EFFACERS", "DUREES1", "ORIGINE", "ANALYSES", "INFORMATIONS",
                             "LANCER_N", "AUGMENT2", "VALEUR_A_List", "DIMINUE2", "ASSOCIATIONS_List", "INFOS"})
        EXPECT_EQ(std::pair(controlOf(dump, name)["font"].toString(), controlOf(dump, name)["size"].toDouble()),
                  std::pair(QString("Microsoft Sans Serif"), s.fontSize)) << name;

    EXPECT_EQ(std::tuple(state["TEMPS_I"].toInt(), state["DONNEES_T"].toString(), state["SN_L"].toInt(),
                         state["HISTO_COMPT"].toArray().size()),
              std::tuple(90, QString("EXPERIENCE"), 0, 242));
    EXPECT_EQ(controlOf(dump, "TEMPS")["caption"].toString() + controlOf(dump, "DEPASSE")["caption"].toString(),
              " Moyenne = 9   La valeur du comptage dépasse la limite  située à 240  ");
    EXPECT_EQ(visibleIn(dump, {"FIN", "ORIGINE", "Label37", "THEORIQUE_Label", "Label38", "LANCER1", "EFFACERS",
                               "DUREES1", "ANALYSES", "INFORMATIONS", "EFF_EXP", "POISS", "GAUSSIEN",
                               "ASSOCIATIONS_List", "Label34", "LANCER_N", "ARRET_Label", "TEMPS", "AUGMENT2",
                               "VALEUR_A_List", "DIMINUE2", "Label36", "INFOS", "DEPASSE", "NOMB_COMPT",
                               "DISTR_COMPTAGES", "Picture2"}),
              (Names{"FIN", "ORIGINE", "Label37", "THEORIQUE_Label", "Label38", "LANCER1", "EFFACERS", "DUREES1",
                     "ANALYSES", "INFORMATIONS", "EFF_EXP"}));
    for (const char* name : {"LANCER1", "EFFACERS", "DUREES1", "ANALYSES", "FIN"})
        EXPECT_EQ(controlOf(dump, name)["enabled"].toBool(), name == std::string("FIN")) << name;
}

INSTANTIATE_TEST_SUITE_P(Screens, StartupOnScreen,
                         ::testing::Values(Screen{"design_screen_1024x768", 1024, 768, 15, 9300, 800},
                                           Screen{"full_hd_1920x1080", 1920, 1080, 21.09375, 13078, 1125}),
                         [](const auto& info) { return std::string(info.param.name); });

// A bad line prints one error and the script goes on; the exit status then
// says that something failed.
TEST(DriveScript, BadLinesPrintAnErrorEachAndTheScriptGoesOn) {
    // A line the parser refuses (each kind is in the parser's own tests),
    // and two it takes that name no control or no list.
    const char* const badLines[] = {"move 10", "hover NO_SUCH_CONTROL", "pick FIN 0"};
    const DriveRun run = drive("# a comment\n\nmove 10\nhover NO_SUCH_CONTROL\npick FIN 0\ndump\n");
    ASSERT_EQ(std::pair(run.exitCode, run.lines.size()), std::pair(1, std::size(badLines) + 1));
    for (std::size_t i = 0; i < std::size(badLines); ++i)
        EXPECT_TRUE(object(run.lines[i])["error"].isString()) << badLines[i] << ": " << run.lines[i].toStdString();
    EXPECT_TRUE(object(run.lines.back())["controls"].isObject());
}

// The window as the program shows it, on a bare X server: no window manager
// to honour a full-screen request, as in a kiosk.
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
