// The roads into the comparison with the laws, driven with real pointer
// events.

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kolven::testing
