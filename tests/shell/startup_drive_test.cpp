// The real window, started by kolven-drive on the offscreen platform and read
// back through its state dump, and the drive's own contract.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>

#include <string>

#include "support/drive_runner.h"

namespace {

using kolven::testing::drive;
using kolven::testing::DriveRun;
using kolven::testing::object;

struct Screen {
    const char* name;
    int width, height;
    double fontSize;  // 15 × height / 768
    int axis;         // 9300 × height / 768
    int bandHeight;   // 800 × height / 768
};

class StartupOnScreen : public ::testing::TestWithParam<Screen> {};

// An empty series at the mean 9; the origin menu open, the commands that
// need an origin disabled, every other menu, message and read-out hidden;
// the scale, the fonts and the plot following the screen.
TEST_P(StartupOnScreen, EveryControlStartsAsTheWindowDesignSays)
{
    const Screen& s = GetParam();
    const DriveRun run = drive("dump\n", {"--screen", QString("%1x%2").arg(s.width).arg(s.height)});
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 1u);
    const QJsonObject state = object(run.lines[0])["state"].toObject();
    const QJsonObject controls = object(run.lines[0])["controls"].toObject();

    EXPECT_EQ(state["ECHHORIZ_S"].toDouble(), s.width / 1024.0);
    EXPECT_EQ(state["ECHVERTI_S"].toDouble(), s.height / 768.0);
    EXPECT_EQ(state["POSAXE_I"].toInt(), s.axis);
    EXPECT_EQ(controls["Picture1"].toObject()["width"].toInt(), s.width * 15);
    EXPECT_EQ(controls["Picture1"].toObject()["height"].toInt(), s.bandHeight);
    for (const char* name : {"FIN", "LANCER1", "EFFACERS", "DUREES1", "ORIGINE", "ANALYSES", "INFORMATIONS",
                             "LANCER_N", "AUGMENT2", "VALEUR_A_List", "DIMINUE2", "ASSOCIATIONS_List", "INFOS"}) {
        EXPECT_EQ(controls[name].toObject()["font"].toString(), "Microsoft Sans Serif") << name;
        EXPECT_EQ(controls[name].toObject()["size"].toDouble(), s.fontSize) << name;
    }

    EXPECT_EQ(state["TEMPS_I"].toInt(), 90);
    EXPECT_EQ(state["DONNEES_T"].toString(), "EXPERIENCE");
    EXPECT_EQ(state["SN_L"].toInt(), 0);
    EXPECT_EQ(state["HISTO_COMPT"].toArray().size(), 242);
    EXPECT_EQ(controls["TEMPS"].toObject()["caption"].toString(), " Moyenne = 9 ");
    EXPECT_EQ(controls["DEPASSE"].toObject()["caption"].toString(),
              "  La valeur du comptage dépasse la limite  située à 240  ");
    for (const char* name : {"FIN", "ORIGINE", "Label37", "THEORIQUE_Label", "Label38", "LANCER1", "EFFACERS",
                             "DUREES1", "ANALYSES", "INFORMATIONS", "EFF_EXP"})
        EXPECT_TRUE(controls[name].toObject()["visible"].toBool()) << name;
    for (const char* name : {"POISS", "GAUSSIEN", "ASSOCIATIONS_List", "Label34", "LANCER_N", "ARRET_Label", "TEMPS",
                             "AUGMENT2", "VALEUR_A_List", "DIMINUE2", "Label36", "INFOS", "DEPASSE", "NOMB_COMPT",
                             "DISTR_COMPTAGES", "Picture2"})
        EXPECT_FALSE(controls[name].toObject()["visible"].toBool()) << name;
    for (const char* name : {"LANCER1", "EFFACERS", "DUREES1", "ANALYSES"})
        EXPECT_FALSE(controls[name].toObject()["enabled"].toBool()) << name;
    EXPECT_TRUE(controls["FIN"].toObject()["enabled"].toBool());
}

INSTANTIATE_TEST_SUITE_P(Screens, StartupOnScreen,
                         ::testing::Values(Screen{"design_screen_1024x768", 1024, 768, 15, 9300, 800},
                                           Screen{"full_hd_1920x1080", 1920, 1080, 21.09375, 13078, 1125}),
                         [](const auto& info) { return std::string(info.param.name); });

// A bad line prints one error and the script goes on; the exit status then
// says that something failed.
TEST(DriveScript, BadLinesPrintAnErrorEachAndTheScriptGoesOn)
{
    // A line the parser refuses (each kind is in the parser's own tests),
    // and two it takes that name no control or no list.
    const char* const badLines[] = {"move 10", "hover NO_SUCH_CONTROL", "pick FIN 0"};
    QString script = "# a comment\n\n";
    for (const char* line : badLines)
        script += QString(line) + "\n";
    const DriveRun run = drive(script + "dump\n");
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.lines.size(), std::size(badLines) + 1);
    for (std::size_t i = 0; i < std::size(badLines); ++i)
        EXPECT_TRUE(object(run.lines[i])["error"].isString()) << badLines[i] << ": " << run.lines[i].toStdString();
    EXPECT_TRUE(object(run.lines.back())["controls"].isObject());
}

}  // namespace
