// The road a student takes through a simulated series, driven with real
// pointer events from start-up to the export file.

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include "support/drive_runner.h"

namespace kolven::testing {
namespace {

TEST(TypicalRoad, FromTheOriginMenuToTheExportFileAndTheErase)
{
    QTemporaryDir work;
    QFile intervals(work.filePath("KOLVEN_11.KVL"));
    ASSERT_TRUE(intervals.open(QIODevice::WriteOnly));
    for (int i = 0; i < 100; ++i)
        intervals.write("250.000\n");
    intervals.close();

    // Sums of two successive counts at the mean 9 + 1.0 = 10, over windows of
    // 20 with every interval 250 (one time unit): the window opens a tenth of
    // its length, 2, after the detection that closed the previous value, so
    // its detections lie at 1, 2 … 19 and the one at 20 closes it (the window
    // is open on the right). Every value is 19.
    const DriveRun run = drive(
        "hover ORIGINE\n"
        "hover Label38\n"
        "pick ASSOCIATIONS_List 1\n"
        "hover DUREES1\n"
        "pick AUGMENT2 3\n"
        "hover LANCER1\n"
        "pick LANCER_N 3\n"
        "dump\n"
        "export\n"
        "hover EFFACERS\n"
        "click EFFACERS\n"
        "dump\n"
        "export\n",
        {"--clock", "0", "--workdir", work.path()});
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 4u);

    const QJsonObject afterRun = object(run.lines[0]);
    const QJsonObject state = afterRun["state"].toObject();
    const QJsonObject controls = afterRun["controls"].toObject();
    EXPECT_EQ(state["DONNEES_T"].toString(), "ASSOCIATIONS1");
    EXPECT_EQ(state["TEMPS_I"].toInt(), 100);
    EXPECT_EQ(state["SN_L"].toInt(), 10);
    EXPECT_EQ(state["HISTO_COMPT"].toArray()[19].toInt(), 10);
    EXPECT_EQ(controls["Nmoyen"].toObject()["caption"].toString(), " Nmoyen =19 ");

    const QString exported = object(run.lines[1])["text"].toString();
    EXPECT_TRUE(exported.contains("\r\n 19  10 \r\n"));

    const QJsonObject afterErase = object(run.lines[2]);
    EXPECT_EQ(afterErase["state"].toObject()["SN_L"].toInt(), 0);
    EXPECT_EQ(object(run.lines[3])["text"].toString(), exported) << "the file keeps the histogram until the next count";
}

}  // namespace
}  // namespace kolven::testing
