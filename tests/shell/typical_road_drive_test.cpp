// The road a student takes through a simulated series, driven with real
// pointer events from start-up to the export file.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>

#include "support/drive_runner.h"

namespace kolven::testing {
namespace {

const char* const kSimulation = "hover ORIGINE\nhover Label38\npick ASSOCIATIONS_List %1\n";

TEST(TypicalRoad, FromTheOriginMenuToTheExportFileAndTheErase)
{
    // Sums of two successive counts at the mean 9 + 1.0 = 10, over windows of
    // 20 with every interval 250 (one time unit): the window opens a tenth of
    // its length, 2, after the detection that closed the previous value, so
    // its detections lie at 1, 2 … 19 and the one at 20 closes it (the window
    // is open on the right). Every value is 19.
    const DriveRun run = driveOnIntervals(QByteArray("250.000\n").repeated(100),
                                          QString(kSimulation).arg(1) +
                                              "export\n"
                                              "hover DUREES1\n"
                                              "pick AUGMENT2 3\n"
                                              "hover LANCER1\n"
                                              "pick LANCER_N 3\n"
                                              "dump\n"
                                              "export\n"
                                              "hover EFFACERS\n"
                                              "click EFFACERS\n"
                                              "dump\n"
                                              "export\n");
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 5u);
    EXPECT_TRUE(object(run.lines[0])["text"].isNull()) << "no export file before the first count";

    const QJsonObject state = stateOf(run.lines[1]);
    EXPECT_EQ(state["DONNEES_T"].toString(), "ASSOCIATIONS1");
    EXPECT_EQ(state["TEMPS_I"].toInt(), 100);
    EXPECT_EQ(state["SN_L"].toInt(), 10);
    EXPECT_EQ(state["HISTO_COMPT"].toArray()[19].toInt(), 10);
    EXPECT_EQ(controlOf(run.lines[1], "Nmoyen")["caption"].toString(), " Nmoyen =19 ");

    const QString exported = object(run.lines[2])["text"].toString();
    EXPECT_TRUE(exported.contains("\r\n 19  10 \r\n"));

    EXPECT_EQ(stateOf(run.lines[3])["SN_L"].toInt(), 0);
    EXPECT_EQ(object(run.lines[4])["text"].toString(), exported) << "the file keeps the histogram until the next count";
}

// All intervals 250: at the start-up mean 9 every count is 9.
TEST(TypicalRoad, StopAfterEndsTheNextRunAtThatCountOnly)
{
    const DriveRun run = driveOnIntervals(
        QByteArray("250.000 ").repeated(60),
        QString(kSimulation).arg(0) +
            "stop-after 37\nhover LANCER1\npick LANCER_N 6\ndump\nhover LANCER1\npick LANCER_N 3\ndump\n");
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(stateOf(run.lines[0])["HISTO_COMPT"].toArray()[9].toInt(), 37);
    EXPECT_TRUE(controlOf(run.lines[0], "ANALYSES")["enabled"].toBool());
    EXPECT_FALSE(controlOf(run.lines[0], "ARRET_Label")["visible"].toBool());
    EXPECT_EQ(stateOf(run.lines[1])["SN_L"].toInt(), 47) << "the run of ten after it is whole";
}

}  // namespace
}  // namespace kolven::testing
