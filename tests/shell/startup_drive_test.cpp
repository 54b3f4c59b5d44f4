// The real window, started by kolven-drive on the offscreen platform and read
// back through its state dump.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <cmath>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "support/drive_runner.h"

namespace {

using kolven::testing::drive;
using kolven::testing::DriveRun;
using kolven::testing::object;

// The start-up dump of each screen size, made once.
const QJsonObject& startupDump(int width, int height)
{
    static std::map<std::pair<int, int>, QJsonObject> dumps;
    auto found = dumps.find({width, height});
    if (found == dumps.end()) {
        const DriveRun run = drive("dump\n", {"--screen", QString("%1x%2").arg(width).arg(height)});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.lines.size(), 1u);
        found = dumps.emplace(std::pair{width, height}, run.lines.empty() ? QJsonObject{} : object(run.lines[0])).first;
    }
    return found->second;
}

struct Screen {
    const char* name;
    int width, height;
    double finSize;  // 15 × height / 768
    int axis;        // 9300 × height / 768, ties to even
    int bandHeight;  // 800 × height / 768
};

const Screen kScreens[] = {
    {"design_screen_1024x768", 1024, 768, 15, 9300, 800},
    {"full_hd_grows_in_both_directions", 1920, 1080, 21.09375, 13078, 1125},
    {"axis_at_10462_5_rounds_to_even_10462", 1152, 864, 16.875, 10462, 900},
};

void PrintTo(const Screen& screen, std::ostream* out)
{
    *out << screen.name;
}

class StartupOnScreen : public ::testing::TestWithParam<Screen> {};

TEST_P(StartupOnScreen, ScaleAndPlotGeometryFollowTheScreen)
{
    const Screen& s = GetParam();
    const QJsonObject dump = startupDump(s.width, s.height);
    const QJsonObject controls = dump["controls"].toObject();
    const QJsonObject state = dump["state"].toObject();

    EXPECT_EQ(state["ECHHORIZ_S"].toDouble(), s.width / 1024.0);
    EXPECT_EQ(state["ECHVERTI_S"].toDouble(), s.height / 768.0);
    EXPECT_EQ(state["POSAXE_I"].toInt(), s.axis);

    const QJsonObject band = controls["Picture1"].toObject();
    EXPECT_EQ(band["left"].toInt(), 0);
    EXPECT_EQ(band["top"].toInt(), 0);
    EXPECT_EQ(band["width"].toInt(), s.width * 15);
    EXPECT_EQ(band["height"].toInt(), s.bandHeight);

    const QJsonObject readout = controls["EQM2_N"].toObject();
    const int plotHeight = state["ECHELLEH0_L"].toInt();
    EXPECT_EQ(plotHeight, s.axis - readout["top"].toInt() - readout["height"].toInt());
    EXPECT_EQ(static_cast<float>(state["ECHELLEH_S"].toDouble()), static_cast<float>(plotHeight) / 20.0f);

    const int d1 = state["D1_I"].toInt();
    EXPECT_EQ(d1, 2 * controls["F_H_D_Image"].toObject()["height"].toInt());
    EXPECT_EQ(state["DECAL1_I"].toInt(), std::nearbyint((s.width * 15 - 2.0 * d1) / 80));
    EXPECT_EQ(state["ORIGINE_I"].toInt(), 0);
    EXPECT_EQ(state["HORIZON_I"].toInt(), 80);
    EXPECT_EQ(state["DECAL2_I"].toInt(), 150);
    EXPECT_EQ(state["DECAL3_I"].toInt(), 250);
    EXPECT_EQ(state["DECAL4_I"].toInt(), 300);
}

TEST_P(StartupOnScreen, SeriesIsEmptyWithMeanNineAndCountedOrigin)
{
    const QJsonObject state = startupDump(GetParam().width, GetParam().height)["state"].toObject();
    EXPECT_EQ(state["TEMPS_I"].toInt(), 90);
    EXPECT_EQ(state["TEMPS_S"].toDouble(), 9.0);
    EXPECT_EQ(state["DONNEES_T"].toString(), "EXPERIENCE");
    EXPECT_EQ(state["SN_L"].toInt(), 0);
    const QJsonArray histogram = state["HISTO_COMPT"].toArray();
    ASSERT_EQ(histogram.size(), 242);
    for (const auto& bin : histogram)
        EXPECT_EQ(bin.toInt(-1), 0);
}

TEST_P(StartupOnScreen, CommandsAndListsTakeTheQuitFont)
{
    const Screen& s = GetParam();
    const QJsonObject controls = startupDump(s.width, s.height)["controls"].toObject();
    for (const char* name : {"FIN", "LANCER1", "EFFACERS", "DUREES1", "ORIGINE", "ANALYSES", "INFORMATIONS",
                             "LANCER_N", "AUGMENT2", "VALEUR_A_List", "DIMINUE2", "ASSOCIATIONS_List", "INFOS"}) {
        const QJsonObject c = controls[name].toObject();
        EXPECT_EQ(c["font"].toString(), "Microsoft Sans Serif") << name;
        EXPECT_EQ(c["size"].toDouble(), s.finSize) << name;
    }
}

// What each control shows at start-up. Null caption or tooltip: not checked
// here (set by the Part that owns the control, or measured).
struct ControlRow {
    const char* name;
    const char* caption;
    const char* tooltip;
    bool visible;
    bool enabled;
};

const ControlRow kControls[] = {
    {"TITRE", "KOLVEN : comptage et histogramme, loi de POISSON et loi de GAUSS", "", true, true},
    {"FIN", " Quitter ", " Cliquez pour QUITTER ", true, true},
    {"ORIGINE", " Origine ", "", true, true},
    {"Label37", "  Choix sur l'origine des comptages  ", "", true, true},
    {"THEORIQUE_Label", " Théorique ", " Cliquez pour Valider cette origine ", true, true},
    {"Label38", "  Par Simulation  ", " Cliquez pour Valider cette origine ", true, true},
    {"POISS", " avec POISSON ", " Cliquez pour valider ", false, true},
    {"GAUSSIEN", " avec GAUSS ", " Cliquez pour valider ", false, true},
    {"ASSOCIATIONS_List", nullptr, " Cliquez sur votre choix ", false, true},
    {"LANCER1", " Comptage(s) ", "", true, false},
    {"Label34", " Nombre de comptage(s) à réaliser ", "", false, true},
    {"LANCER_N", nullptr, " Cliquez sur le choix du nombre de comptage(s) ", false, true},
    {"ARRET_Label", "  Arrêter  ", " Cliquez pour Arrêter ", false, true},
    {"EFFACERS", " Effacer ", " Cliquez pour effacer ", true, false},
    {"DUREES1", " Moyenne des comptages ", "", true, false},
    {"TEMPS", " Moyenne = 9 ", "", false, true},
    {"AUGMENT1", " augmentée de ", "", false, true},
    {"AUGMENT2", nullptr, " Cliquez sur la valeur à ajouter à la moyenne ", false, true},
    {"VALEUR_A_Label", "fixée à", "", false, true},
    {"VALEUR_A_List", nullptr, " Cliquez sur la valeur à imposer à la moyenne ", false, true},
    {"DIMINUE1", " diminuée de ", "", false, true},
    {"DIMINUE2", nullptr, " Cliquez sur la valeur à soustraire à la moyenne ", false, true},
    {"ANALYSES", " Analyse statistique ", " Cliquez pour comparer les distributions ", true, false},
    {"Label36", "  Retour  ", " Cliquez pour retourner ", false, true},
    {"INFORMATIONS", " Informations ", "", true, true},
    {"Label35", "  Choix sur l'information  ", "", false, true},
    {"INFOS", nullptr, " Cliquez sur l'information désirée ", false, true},
    {"DEPASSE", "  La valeur du comptage dépasse la limite  située à 240  ", "", false, true},
    {"DISTR_COMPTAGES", " Histogramme des comptages ", "", false, true},
    {"DISTR_POISSON", "Histogramme avec POISSON", "", false, true},
    {"DISTR_GAUSS", " Histogramme avec GAUSS ", "", false, true},
    {"EFF_EXP", "", "", true, true},
    {"NOMB_COMPT", nullptr, "", false, true},
    {"Picture2", nullptr, " Cliquez pour fermer cette page ", false, true},
    {"BLANCS", nullptr, " Cliquez pour fermer cette page ", false, true},
    {"MOT1", nullptr, "", false, true},
};

TEST_P(StartupOnScreen, EveryControlStartsAsTheWindowDesignSays)
{
    const QJsonObject controls = startupDump(GetParam().width, GetParam().height)["controls"].toObject();
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(controls.contains(row.name));
        const QJsonObject c = controls[row.name].toObject();
        if (row.caption) {
            EXPECT_EQ(c["caption"].toString(), QString::fromUtf8(row.caption));
        }
        if (row.tooltip) {
            EXPECT_EQ(c["tooltip"].toString(), QString::fromUtf8(row.tooltip));
        }
        EXPECT_EQ(c["visible"].toBool(), row.visible);
        EXPECT_EQ(c["enabled"].toBool(), row.enabled);
    }
}

struct ColourRow {
    const char* name;
    const char* fore;
    const char* back;
};

const ColourRow kColours[] = {
    {"ORIGINE", "#000000", "#c0c0c0"},
    {"Label37", "#000000", "#c0c0c0"},
    {"THEORIQUE_Label", "#000000", "#c0c0c0"},
    {"Label38", "#000000", "#c0c0c0"},
    {"POISS", "#0000ff", "#e0e0e0"},
    {"GAUSSIEN", "#0000ff", "#e0e0e0"},
    {"ASSOCIATIONS_List", "#0000ff", "#e0e0e0"},
    {"NOMB_COMPT", "#0000ff", "#ffffff"},
    {"Picture2", nullptr, "#ffffff"},
    {"BLANCS", nullptr, "#ffffff"},
};

TEST_P(StartupOnScreen, ColoursGivenByTheDesign)
{
    const QJsonObject controls = startupDump(GetParam().width, GetParam().height)["controls"].toObject();
    for (const ColourRow& row : kColours) {
        const QJsonObject c = controls[row.name].toObject();
        if (row.fore) {
            EXPECT_EQ(c["fore"].toString(), row.fore) << row.name;
        }
        EXPECT_EQ(c["back"].toString(), row.back) << row.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, StartupOnScreen, ::testing::ValuesIn(kScreens),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DriveScript, BadLinesPrintAnErrorEachAndTheScriptGoesOn)
{
    const char* const badLines[] = {
        "hover NO_SUCH_CONTROL", "click", "pick LANCER_N minus-one", "move 10", "stop-after 0", "jump FIN",
        "pick FIN 0",
    };
    QString script = "# a comment\n\n";
    for (const char* line : badLines)
        script += QString(line) + "\n";
    script += "dump\n";
    const DriveRun run = drive(script);
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.lines.size(), std::size(badLines) + 1);
    for (std::size_t i = 0; i < std::size(badLines); ++i)
        EXPECT_TRUE(object(run.lines[i])["error"].isString()) << badLines[i] << ": " << run.lines[i].toStdString();
    EXPECT_TRUE(object(run.lines.back())["controls"].isObject());
}

TEST(DriveScript, QuitEndsTheProgramAndTheScript)
{
    const DriveRun run = drive("quit\ndump\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.lines.empty());
}

TEST(DriveScript, StopAfterEndsTheNextRunAtThatCountOnly)
{
    const DriveRun run = drive(
        "export\n"
        "hover ORIGINE\nhover Label38\npick ASSOCIATIONS_List 0\n"
        "stop-after 37\nhover LANCER1\npick LANCER_N 6\ndump\n"
        "hover LANCER1\npick LANCER_N 3\ndump\nexport\n");
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 4u);
    const QJsonObject before = object(run.lines[0]);
    EXPECT_TRUE(before["path"].toString().endsWith("/KOLVEN16W/KOLVEN16W.TXT"));
    EXPECT_TRUE(before["text"].isNull());

    const QJsonObject stopped = object(run.lines[1]);
    EXPECT_EQ(stopped["state"].toObject()["SN_L"].toInt(), 37);
    EXPECT_FALSE(stopped["controls"].toObject()["ARRET_Label"].toObject()["visible"].toBool());
    EXPECT_EQ(object(run.lines[2])["state"].toObject()["SN_L"].toInt(), 47);

    const QJsonObject after = object(run.lines[3]);
    EXPECT_EQ(after["text"].toString().count("\r\n"), 241);
}

TEST(DriveScript, ShotWritesAPictureOfTheWholeScreen)
{
    QTemporaryDir folder;
    const QString file = folder.filePath("screen.png");
    const DriveRun run = drive("shot " + file + "\n", {"--screen", "1920x1080"});
    EXPECT_EQ(run.exitCode, 0);
    QFile png(file);
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    const QByteArray head = png.read(24);
    ASSERT_EQ(head.size(), 24);
    EXPECT_EQ(head.left(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
    // The IHDR chunk: width and height, big-endian, at bytes 16 and 20.
    const auto big = [&](int at) {
        return (uchar(head[at]) << 24) | (uchar(head[at + 1]) << 16) | (uchar(head[at + 2]) << 8) | uchar(head[at + 3]);
    };
    EXPECT_EQ(big(16), 1920);
    EXPECT_EQ(big(20), 1080);
}

struct Rgb {
    int r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Rgb& c)
    {
        return out << "rgb(" << c.r << ", " << c.g << ", " << c.b << ")";
    }
};

// A binary PPM picture ("P6", 8 bits a channel) as the drive's shot writes it.
struct Picture {
    int width = 0, height = 0;
    QByteArray rgb;
    Rgb at(int x, int y) const
    {
        const int i = 3 * (y * width + x);
        return {uchar(rgb[i]), uchar(rgb[i + 1]), uchar(rgb[i + 2])};
    }
};

Picture readPpm(const QString& path)
{
    QFile file(path);
    Picture picture;
    if (!file.open(QIODevice::ReadOnly))
        return picture;
    const QByteArray data = file.readAll();
    // Four blank-separated fields (magic, width, height, maximum), then one
    // blank and the pixels.
    int at = 0;
    QList<QByteArray> fields;
    while (fields.size() < 4 && at < data.size()) {
        while (at < data.size() && QChar(data[at]).isSpace())
            ++at;
        const int start = at;
        while (at < data.size() && !QChar(data[at]).isSpace())
            ++at;
        fields << data.mid(start, at - start);
    }
    if (fields.size() < 4 || fields[0] != "P6" || fields[3] != "255")
        return picture;
    picture.width = fields[1].toInt();
    picture.height = fields[2].toInt();
    picture.rgb = data.mid(at + 1);
    return picture;
}

TEST(DriveScript, EachBarOfARunStandsOnTheAxisUpToItsCount)
{
    QTemporaryDir folder;
    const QString shot = folder.filePath("plot.ppm");
    const DriveRun run = drive("hover ORIGINE\nhover Label38\npick ASSOCIATIONS_List 0\n"
                               "hover LANCER1\npick LANCER_N 6\ndump\nshot " + shot + "\n");
    ASSERT_EQ(run.lines.size(), 1u);
    const QJsonObject dump = object(run.lines[0]);
    const QJsonObject state = dump["state"].toObject();
    const QJsonObject contenus = dump["controls"].toObject()["CONTENUS"].toObject();
    const Picture picture = readPpm(shot);
    ASSERT_EQ(picture.width, 1024);
    ASSERT_EQ(picture.rgb.size(), 1024 * 768 * 3);
    ASSERT_EQ(state["SN_L"].toInt(), 100);

    const Rgb bar{0, 0, 255};
    const int axis = state["POSAXE_I"].toInt();
    const int ceiling = contenus["top"].toInt() + contenus["height"].toInt();
    const int d1 = state["D1_I"].toInt(), step = state["DECAL1_I"].toInt();
    const double scale = state["ECHELLEH_S"].toDouble();
    const QJsonArray histogram = state["HISTO_COMPT"].toArray();
    int bars = 0;
    for (int bin = 0; bin <= state["HORIZON_I"].toInt(); ++bin) {
        SCOPED_TRACE(bin);
        const int count = histogram[bin].toInt();
        const int x = (d1 + step * bin) / 15;
        if (count == 0) {
            // nothing drawn there: the window background
            EXPECT_EQ(picture.at(x, axis / 15 - 2), (Rgb{255, 255, 255}));
            continue;
        }
        const double top = axis - scale * count;
        if (top < ceiling + 45)
            continue;
        ++bars;
        const int topRow = static_cast<int>(std::lround(top)) / 15;
        EXPECT_EQ(picture.at(x, axis / 15 - 1), bar);
        EXPECT_EQ(picture.at(x, topRow + 1), bar);
        EXPECT_NE(picture.at(x, topRow - 1), bar);
    }
    EXPECT_GE(bars, 5);
}

}  // namespace
