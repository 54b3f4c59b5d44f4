// The roads into the comparison with the laws, driven with real pointer
// events.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>

#include "support/drive_runner.h"

namespace kolven::testing {
namespace {

bool shown(const QJsonObject& controls, const char* name)
{
    return controls[name].toObject()["visible"].toBool();
}

TEST(AnalysisRoad, APoissonSeriesGrownTwiceThenComparedAndLeft)
{
    // The mean menu's fixed value 9, the start-up mean.
    const DriveRun run = drive(
        "hover ORIGINE\n"
        "hover THEORIQUE_Label\n"
        "click POISS\n"
        "hover LANCER1\n"
        "click LANCER1\n"
        "click LANCER1\n"
        "dump\n"
        "hover ANALYSES\n"
        "click ANALYSES\n"
        "dump\n"
        "hover Label36\n"
        "click Label36\n"
        "dump\n");
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 3u);

    // What the window shows on each view is pinned down by the window tests;
    // here, that the clicks reached each step.
    const QJsonObject grown = object(run.lines[0])["state"].toObject();
    EXPECT_EQ(grown["DONNEES_T"].toString(), "POISSON");
    EXPECT_NEAR(grown["SN_L"].toInt(), 300000, 3);

    const QJsonObject compared = object(run.lines[1]);
    EXPECT_EQ(compared["state"].toObject()["MODE_T"].toString(), "HISTOGRAMMES");
    EXPECT_TRUE(shown(compared["controls"].toObject(), "DISTR_GAUSS"));
    EXPECT_FALSE(shown(compared["controls"].toObject(), "DISTR_COMPTAGES"));

    const QJsonObject back = object(run.lines[2]);
    EXPECT_EQ(back["state"].toObject()["MODE_T"].toString(), "");
    EXPECT_TRUE(shown(back["controls"].toObject(), "LANCER1"));
}

TEST(AnalysisRoad, AThousandSimulatedCountsCompared)
{
    // The interval file made at build time.
    const DriveRun run = drive(
        "hover ORIGINE\n"
        "hover Label38\n"
        "pick ASSOCIATIONS_List 0\n"
        "hover LANCER1\n"
        "pick LANCER_N 9\n"
        "hover ANALYSES\n"
        "click ANALYSES\n"
        "dump\n",
        {"--clock", "0", "--workdir", KOLVEN_BIN_DIR});
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 1u);
    const QJsonObject state = object(run.lines[0])["state"].toObject();
    const QJsonObject controls = object(run.lines[0])["controls"].toObject();
    EXPECT_EQ(state["SN_L"].toInt(), 1000);
    EXPECT_EQ(state["CUMUL_COMPT"].toArray()[240].toInt(), 1000);
    EXPECT_NEAR(state["CUMUL_POIS"].toArray()[240].toInt(), 1000, 2);
    for (const char* label : {"NMOYENEX", "NMOYENP", "NMOYENG", "DISTR_COMPTAGES", "DISTR_POISSON", "DISTR_GAUSS"})
        EXPECT_TRUE(shown(controls, label)) << label;
}

}  // namespace
}  // namespace kolven::testing
