// The χ² test on a road a class takes, driven with real pointer events.

#include "support/drive_runner.h"

namespace kolven::testing {
namespace {

// The sum of two counts minus the next has the mean of one count (9) but
// three times its variance: a thousand of them are far from Poisson, whose
// test must reject it.
TEST(ChiSquareRoad, AssociatedCountsRejectPoisson) {
    const DriveRun run = drive(simulation(3) + runOf(9) + "hover ANALYSES\nclick ANALYSES\ndump\n",
                               {"--clock", "0", "--workdir", KOLVEN_BIN_DIR});
    ASSERT_EQ(std::pair(run.exitCode, run.lines.size()), std::pair(0, std::size_t{1}));
    const QJsonObject state = stateOf(run.lines[0]);
    EXPECT_EQ(std::pair(state["DONNEES_T"].toString(), state["SN_L"].toInt()),
              std::pair(QString("ASSOCIATIONS3"), 1000));
    EXPECT_TRUE(state["DDL_POIS_I"].toInt() >= 1 && state["P_POIS_D"].toDouble() < 0.05);
    EXPECT_EQ(controlOf(run.lines[0], "SEUIL_P")["caption"].toString(), " rejetée au seuil de 5 % ");
    EXPECT_EQ(visibleIn(run.lines[0], {"KHI2_G"}).size(), 1u);
}

}  // namespace
}  // namespace kolven::testing
