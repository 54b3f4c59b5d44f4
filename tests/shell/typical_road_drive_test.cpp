// The road a student takes through a simulated series, driven with real
// pointer events from start-up to the export file.

#include <cmath>
#include <iterator>

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
    EXPECT_EQ(std::pair(exported.contains("\r\n 19  10 \r\n"), stateOf(run.lines[3])["SN_L"].toInt()), std::pair(true, 0));
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

// Clicks and pointer moves through the real window, with real pointer
// events, during a simulated run: none of them may reach the plot or the
// menus. The plot's reading itself is pinned down by the window tests.
constexpr int kTwipsPerPixel = 15;

// A simulated series from the interval file made at build time.
DriveRun driveSeries(const QString& script) {
    return drive(simulation(0) + runOf(9) + script, {"--clock", "0", "--workdir", KOLVEN_BIN_DIR});
}

// The canvas reports a pointer on a pixel as that pixel's first twip: the
// point a script names is the first twip of the pixel nearest the aim.
QString moveTo(double x, double y) {
    const auto onPixel = [](double twips) { return kTwipsPerPixel * int(std::lround(twips / kTwipsPerPixel)); };
    return QString("move %1 %2\n").arg(onPixel(x)).arg(onPixel(y));
}

// The lines that are dumps of the window, in order (error lines left out).
std::vector<QByteArray> dumps(const DriveRun& run) {
    std::vector<QByteArray> out;
    for (const QByteArray& line : run.lines) {
        const QJsonObject o = object(line);
        EXPECT_FALSE(o.contains("error")) << line.toStdString();
        if (o.contains("state"))
            out.push_back(line);
    }
    return out;
}

// Between the statistics and the arrow buttons: the read-out band.
double seriesBandMiddle(const QByteArray& dump) {
    const QJsonObject deviation = controlOf(dump, "EQM2_N"), readout = controlOf(dump, "EFF_EXP");
    const double top = deviation["top"].toInt() + 1.1 * deviation["height"].toInt();
    const double bottom = readout["top"].toInt() - readout["height"].toInt() / 4.0;
    return (top + bottom) / 2;
}

// Clicks and moves while a second run of 1000 counts goes on, each at its
// own count: nothing of them may reach the plot or the menus.
TEST(PlotReadingDrive, ArrowsPointerAndMenusAreIgnoredDuringARun) {
    const DriveRun survey = driveSeries("dump\n");
    ASSERT_EQ(std::pair(survey.exitCode, survey.lines.size()), std::pair(0, std::size_t{1}));
    const double y = seriesBandMiddle(survey.lines[0]);
    const QJsonObject geometry = stateOf(survey.lines[0]);
    const int D1 = geometry["D1_I"].toInt(), DECAL1 = geometry["DECAL1_I"].toInt();
    auto overBin = [&](int bin) { return moveTo(D1 + DECAL1 * bin, y).trimmed(); };
    const QString actions[] = {"click F_H_D_10", "click F_H_M_Image1", "click F_V_M_Image", overBin(5),
                               "hover LANCER1", "hover ORIGINE", "hover INFORMATIONS"};

    // Bin 9 selected before the run; the run hides its read-out.
    QString script = overBin(9) + "\ndump\n";
    int count = 0;
    for (const QString& action : actions) {
        count += 50;
        script += QString("at-count %1 %2\nat-count %3 dump\n").arg(count).arg(action).arg(count + 1);
    }
    const DriveRun run = driveSeries(script + runOf(9) + "dump\n");
    const std::vector<QByteArray> all = dumps(run);
    ASSERT_EQ(std::pair(run.exitCode, all.size()), std::pair(0, std::size(actions) + 2));

    const QByteArray& before = all[0];
    ASSERT_EQ(stateOf(before)["CURSEUR_I"].toInt(), 9);
    for (std::size_t i = 1; i < all.size(); ++i) {
        SCOPED_TRACE(i <= std::size(actions) ? actions[i - 1].toStdString() : "after the run");
        for (const char* name : {"ORIGINE_I", "HORIZON_I", "CURSEUR_I"})
            EXPECT_EQ(stateOf(all[i])[name].toInt(), stateOf(before)[name].toInt()) << name;
        EXPECT_EQ(visibleIn(all[i], {"LANCER_N", "Label37", "Label38", "THEORIQUE_Label", "INFOS", "EFF_EXP"}),
                  std::vector<std::string>{});
        EXPECT_EQ(visibleIn(all[i], {"F_V_M_Image"}), visibleIn(before, {"F_V_M_Image"}));
    }
    // The run goes on.
    const QByteArray& last = all[std::size(actions)];
    EXPECT_EQ(std::pair(stateOf(last)["SN_L"].toInt(), visibleIn(last, {"ARRET_Label"}).size()),
              std::pair(1000 + count + 1, std::size_t{1}));
    EXPECT_EQ(stateOf(all.back())["SN_L"].toInt(), 2000) << "the whole run was counted";
}

}  // namespace
}  // namespace kolven::testing
