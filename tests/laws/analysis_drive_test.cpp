// The roads into the comparison with the laws, driven with real pointer
// events.

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

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

    const QJsonObject grown = object(run.lines[0]);
    EXPECT_EQ(grown["state"].toObject()["DONNEES_T"].toString(), "POISSON");
    const int counts = grown["state"].toObject()["SN_L"].toInt();
    EXPECT_NEAR(counts, 300000, 3);
    EXPECT_EQ(grown["controls"].toObject()["DISTR_COMPTAGES"].toObject()["caption"].toString(),
              " Histogramme théorique calculé avec POISSON ");

    const QJsonObject compared = object(run.lines[1]);
    const QJsonObject state = compared["state"].toObject();
    const QJsonObject controls = compared["controls"].toObject();
    EXPECT_EQ(state["MODE_T"].toString(), "HISTOGRAMMES");
    EXPECT_TRUE(shown(controls, "Label36"));
    EXPECT_TRUE(shown(controls, "DISTR_POISSON") && shown(controls, "DISTR_GAUSS"));
    EXPECT_FALSE(shown(controls, "DISTR_COMPTAGES")) << "a theoretical origin has no panel of its own";
    EXPECT_EQ(state["HISTO_POIS"].toArray(), state["HISTO_COMPT"].toArray());
    EXPECT_EQ(state["CUMUL_COMPT"].toArray()[240].toInt(), counts);
    EXPECT_GT(state["CUMUL_GAUSS"].toArray()[240].toInt(), 0);
    EXPECT_GT(state["DECAL1A_I"].toInt(), 0);

    const QJsonObject back = object(run.lines[2]);
    EXPECT_EQ(back["state"].toObject()["MODE_T"].toString(), "");
    EXPECT_FALSE(shown(back["controls"].toObject(), "Label36"));
    EXPECT_TRUE(shown(back["controls"].toObject(), "LANCER1"));
    EXPECT_EQ(back["controls"].toObject()["DISTR_COMPTAGES"].toObject()["caption"].toString(),
              " Histogramme théorique calculé avec POISSON ");
}

TEST(AnalysisRoad, AThousandSimulatedCountsCompared)
{
    QTemporaryDir work;
    QFile intervals(work.filePath("KOLVEN_11.KVL"));
    ASSERT_TRUE(intervals.open(QIODevice::WriteOnly));
    // A short stream with a spread of intervals, read round and round.
    for (int i = 0; i < 997; ++i)
        intervals.write(QByteArray::number(25 + (i * 7919) % 500) + ".000\n");
    intervals.close();

    const DriveRun run = drive(
        "hover ORIGINE\n"
        "hover Label38\n"
        "pick ASSOCIATIONS_List 0\n"
        "hover LANCER1\n"
        "pick LANCER_N 9\n"
        "hover ANALYSES\n"
        "click ANALYSES\n"
        "dump\n",
        {"--clock", "0", "--workdir", work.path()});
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 1u);
    const QJsonObject state = object(run.lines[0])["state"].toObject();
    const QJsonObject controls = object(run.lines[0])["controls"].toObject();
    EXPECT_EQ(state["SN_L"].toInt(), 1000);
    EXPECT_EQ(state["CUMUL_COMPT"].toArray()[240].toInt(), 1000);
    EXPECT_NEAR(state["CUMUL_POIS"].toArray()[240].toInt(), 1000, 2);
    for (const char* label : {"NMOYENEX", "EQM2_EX", "NMOYENP", "EQM2_P", "NMOYENG", "EQM2_G", "DISTR_COMPTAGES",
                              "DISTR_POISSON", "DISTR_GAUSS"})
        EXPECT_TRUE(shown(controls, label)) << label;
    EXPECT_EQ(controls["DISTR_COMPTAGES"].toObject()["caption"].toString(), " Histogramme ORIGINE ");
}

}  // namespace
}  // namespace kolven::testing
