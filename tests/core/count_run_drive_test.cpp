// Runs of counts through the real window and real pointer events, on a
// working folder holding a small interval file of the test's own.

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include "support/drive_runner.h"

namespace kolven::testing {
namespace {

// All intervals 250: at a whole mean t every count is t.
QByteArray regularIntervals()
{
    QByteArray text;
    for (int i = 0; i < 60; ++i)
        text += "250.000 ";
    return text;
}

// At mean 1: 250 250 is a count of 1; 250, three hundred intervals of 1/16
// and 250 a count of 301, above the limit.
QByteArray intervalsWithOneHugeCount()
{
    QByteArray text = "250 250 250 ";
    for (int i = 0; i < 300; ++i)
        text += "0.0625 ";
    return text + "250 250 250 250 250 250 250";
}

const char* const kSimulation = "hover ORIGINE\nhover Label38\npick ASSOCIATIONS_List 0\n";
const char* const kMeanOne = "hover DUREES1\npick VALEUR_A_List 1\n";

class CountRunDrive : public ::testing::Test {
protected:
    DriveRun driveWith(const QByteArray& intervals, const QString& script, QStringList arguments = {})
    {
        QFile file(work.filePath("KOLVEN_11.KVL"));
        if (!intervals.isNull() && file.open(QIODevice::WriteOnly))
            file.write(intervals);
        file.close();
        arguments << "--clock" << "0" << "--workdir" << work.path();
        return drive(script, arguments);
    }

    static QJsonObject state(const QByteArray& line) { return object(line)["state"].toObject(); }
    static QJsonObject control(const QByteArray& line, const char* name)
    {
        return object(line)["controls"].toObject()[name].toObject();
    }

    QTemporaryDir work;
};

TEST_F(CountRunDrive, OneCountShowsItsValueAndTheExportFileHoldsIt)
{
    const DriveRun run = driveWith(regularIntervals(), QString(kSimulation) + "hover LANCER1\npick LANCER_N 0\ndump\nexport\n");
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(state(run.lines[0])["SN_L"].toInt(), 1);
    EXPECT_EQ(state(run.lines[0])["HISTO_COMPT"].toArray()[9].toInt(), 1);
    EXPECT_EQ(control(run.lines[0], "VAL_COMPT")["caption"].toString(), " Valeur du comptage =9 ");
    EXPECT_TRUE(control(run.lines[0], "VAL_COMPT")["visible"].toBool());
    const QString text = object(run.lines[1])["text"].toString();
    EXPECT_EQ(text.count("\r\n"), 241);
    EXPECT_TRUE(text.contains("\r\n 9  1 \r\n"));
}

TEST_F(CountRunDrive, AStopAfterTheThirtySeventhCountLeavesThirtySevenCounts)
{
    const DriveRun run =
        driveWith(regularIntervals(), QString(kSimulation) + "stop-after 37\nhover LANCER1\npick LANCER_N 6\ndump\n");
    ASSERT_EQ(run.lines.size(), 1u);
    const QJsonObject s = state(run.lines[0]);
    EXPECT_EQ(s["SN_L"].toInt(), 37);
    EXPECT_EQ(s["HISTO_COMPT"].toArray()[9].toInt(), 37);
    EXPECT_EQ(s["MODE_T"].toString(), "C_0100");
    EXPECT_TRUE(control(run.lines[0], "ANALYSES")["enabled"].toBool());
    EXPECT_FALSE(control(run.lines[0], "ARRET_Label")["visible"].toBool());
}

TEST_F(CountRunDrive, ACountAboveTheLimitShowsTheMessageAndLeavesTheOthers)
{
    const DriveRun run = driveWith(intervalsWithOneHugeCount(),
                                   QString(kSimulation) + kMeanOne + "hover LANCER1\npick LANCER_N 2\ndump\n");
    ASSERT_EQ(run.lines.size(), 1u);
    EXPECT_EQ(state(run.lines[0])["SN_L"].toInt(), 4);
    EXPECT_EQ(state(run.lines[0])["HISTO_COMPT"].toArray()[1].toInt(), 4);
    const QJsonObject message = control(run.lines[0], "DEPASSE");
    EXPECT_TRUE(message["visible"].toBool());
    EXPECT_EQ(message["caption"].toString(), "  Des valeurs du comptage dépassent la limite  située à 240  ");
    EXPECT_FALSE(control(run.lines[0], "Nmoyen")["visible"].toBool());
    EXPECT_FALSE(control(run.lines[0], "ANALYSES")["enabled"].toBool());
}

TEST_F(CountRunDrive, AnExportRootThatCannotBeWrittenIsSaidAndTheRunIsWhole)
{
    QTemporaryDir root;
    QFile blocker(root.filePath("not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const DriveRun run =
        driveWith(regularIntervals(), QString(kSimulation) + "hover LANCER1\npick LANCER_N 3\ndump\nexport\n",
                  {"--export-root", blocker.fileName()});
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(state(run.lines[0])["SN_L"].toInt(), 10);
    EXPECT_TRUE(control(run.lines[0], "AVIS")["visible"].toBool());
    EXPECT_TRUE(object(run.lines[1])["text"].isNull());
}

TEST_F(CountRunDrive, AnEmptyIntervalFileIsSaidAndNothingIsCounted)
{
    const DriveRun run = driveWith(QByteArray(""), QString(kSimulation) + "hover LANCER1\npick LANCER_N 9\ndump\n");
    ASSERT_EQ(run.lines.size(), 1u);
    EXPECT_EQ(state(run.lines[0])["SN_L"].toInt(), 0);
    const QJsonObject notice = control(run.lines[0], "AVIS");
    EXPECT_TRUE(notice["visible"].toBool());
    EXPECT_TRUE(notice["caption"].toString().contains("KOLVEN_11.KVL"));
    EXPECT_TRUE(control(run.lines[0], "LANCER1")["visible"].toBool());
}

}  // namespace
}  // namespace kolven::testing
