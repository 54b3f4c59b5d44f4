// Runs of counts through the real window and real pointer events, on a
// working folder holding a small interval file of the test's own: the same
// results as the window tests give, through the program as it runs.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include "support/drive_runner.h"

namespace kolven::testing {
namespace {

const char* const kSimulation = "hover ORIGINE\nhover Label38\npick ASSOCIATIONS_List 0\n";

class CountRunDrive : public ::testing::Test {
protected:
    DriveRun driveWith(const QByteArray& intervals, const QString& script, const QStringList& more = {})
    {
        QFile file(work.filePath("KOLVEN_11.KVL"));
        if (file.open(QIODevice::WriteOnly))
            file.write(intervals);
        file.close();
        return drive(script, QStringList{"--clock", "0", "--workdir", work.path()} + more);
    }

    static QJsonObject state(const QByteArray& line) { return object(line)["state"].toObject(); }
    static QJsonObject control(const QByteArray& line, const char* name)
    {
        return object(line)["controls"].toObject()[name].toObject();
    }

    QTemporaryDir work;
};

// All intervals 250: at the start-up mean 9 every count is 9.
const QByteArray kRegular = QByteArray("250.000 ").repeated(60);

TEST_F(CountRunDrive, OneCountShowsItsValueAndTheExportFileHoldsIt)
{
    const DriveRun run = driveWith(kRegular, kSimulation + QString("export\nhover LANCER1\npick LANCER_N 0\ndump\nexport\n"));
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 3u);
    EXPECT_TRUE(object(run.lines[0])["path"].toString().endsWith("/KOLVEN16W/KOLVEN16W.TXT"));
    EXPECT_TRUE(object(run.lines[0])["text"].isNull()) << "no file before the first count";
    EXPECT_EQ(state(run.lines[1])["HISTO_COMPT"].toArray()[9].toInt(), 1);
    const QString text = object(run.lines[2])["text"].toString();
    EXPECT_EQ(text.count("\r\n"), 241);
    EXPECT_TRUE(text.contains("\r\n 9  1 \r\n"));
}

// A folder where the export file should be: the driver says there is no
// file, as for a missing one, and goes on.
TEST_F(CountRunDrive, TheExportOnAFolderReadsAsNoFile)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath("KOLVEN16W/KOLVEN16W.TXT"));
    const DriveRun run = driveWith(kRegular, "export\ndump\n", {"--export-root", root.path()});
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_TRUE(object(run.lines[0])["text"].isNull());
}

TEST_F(CountRunDrive, StopAfterEndsTheNextRunAtThatCountOnly)
{
    const DriveRun run = driveWith(
        kRegular, kSimulation + QString("stop-after 37\nhover LANCER1\npick LANCER_N 6\ndump\nhover LANCER1\npick LANCER_N 3\ndump\n"));
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(state(run.lines[0])["HISTO_COMPT"].toArray()[9].toInt(), 37);
    EXPECT_TRUE(control(run.lines[0], "ANALYSES")["enabled"].toBool());
    EXPECT_FALSE(control(run.lines[0], "ARRET_Label")["visible"].toBool());
    EXPECT_EQ(state(run.lines[1])["SN_L"].toInt(), 47) << "the run of ten after it is whole";
}

}  // namespace
}  // namespace kolven::testing
