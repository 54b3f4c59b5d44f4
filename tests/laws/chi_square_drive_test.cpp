// The χ² test on a road a class takes, driven with real pointer events.

#include <gtest/gtest.h>

#include <QJsonObject>
#include <QJsonValue>

#include "support/drive_runner.h"

namespace kolven::testing {
namespace {

// The sum of two counts minus the next has the mean of one count (9) but
// three times its variance: a thousand of them are far from Poisson, whose
// test must reject it.
TEST(ChiSquareRoad, AssociatedCountsRejectPoisson)
{
    const DriveRun run = drive(
        "hover ORIGINE\n"
        "hover Label38\n"
        "pick ASSOCIATIONS_List 3\n"
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
    EXPECT_EQ(state["DONNEES_T"].toString(), "ASSOCIATIONS3");
    EXPECT_EQ(state["SN_L"].toInt(), 1000);
    EXPECT_GE(state["DDL_POIS_I"].toInt(), 1);
    EXPECT_LT(state["P_POIS_D"].toDouble(), 0.05);
    EXPECT_EQ(controls["SEUIL_P"].toObject()["caption"].toString(), " rejetée au seuil de 5 % ");
    EXPECT_TRUE(controls["KHI2_G"].toObject()["visible"].toBool());
}

}  // namespace
}  // namespace kolven::testing
