// The road a student takes through a simulated series, driven with real
// pointer events from start-up to the export file.

#include "support/drive_runner.h"

namespace kolven::testing {
namespace {

TEST(TypicalRoad, FromTheOriginMenuToTheExportFileAndTheErase) {
    // Sums of two successive counts at the mean 9 + 1.0 = 10, over windows of
    // 20 with every interval 250 (one time unit): the window opens a tenth of
    // its length, 2, after the detection that closed the previous value, so
    // its detections lie at 1, 2 … 19 and the one at 20 closes it (the window
    // is open on the right). Every value is 19.
    const DriveRun run = driveOnIntervals(QByteArray("250.000\n").repeated(100),
                                          simulation(1) + "export\nhover DUREES1\npick AUGMENT2 3\n" + runOf(3) +
                                              "dump\nexport\nhover EFFACERS\nclick EFFACERS\ndump\nexport\n");
    ASSERT_EQ(std::pair(run.exitCode, run.lines.size()), std::pair(0, std::size_t{5}));
    EXPECT_TRUE(object(run.lines[0])["text"].isNull()) << "no export file before the first count";
    const QJsonObject state = stateOf(run.lines[1]);
    EXPECT_EQ(std::tuple(state["DONNEES_T"].toString(), state["TEMPS_I"].toInt(), state["SN_L"].toInt(),
                         state["HISTO_COMPT"].toArray()[19].toInt(),
                         controlOf(run.lines[1], "Nmoyen")["caption"].toString()),
              std::tuple(QString("ASSOCIATIONS1"), 100, 10, 10, QString(" Nmoyen =19 ")));
    const QString exported = object(run.lines[2])["text"].toString();
    EXPECT_TRUE(exported.contains("\r\n 19  10 \r\n"));
    EXPECT_EQ(stateOf(run.lines[3])["SN_L"].toInt(), 0);
    EXPECT_EQ(object(run.lines[4])["text"].toString(), exported) << "the file keeps the histogram until the next count";
}

// All intervals 250: at the start-up mean 9 every count is 9.
TEST(TypicalRoad, StopAfterEndsTheNextRunAtThatCountOnly) {
    const DriveRun run = driveOnIntervals(QByteArray("250.000 ").repeated(60),
                                          simulation(0) + "stop-after 37\n" + runOf(6) + "dump\n" + runOf(3) + "dump\n");
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(std::tuple(stateOf(run.lines[0])["HISTO_COMPT"].toArray()[9].toInt(),
                         controlOf(run.lines[0], "ANALYSES")["enabled"].toBool(),
                         visibleIn(run.lines[0], {"ARRET_Label"})),
              std::tuple(37, true, std::vector<std::string>{}));
    EXPECT_EQ(stateOf(run.lines[1])["SN_L"].toInt(), 47) << "the run of ten after it is whole";
}

// The χ² test on a road a class takes, driven with real pointer events.
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
