// Clicks and pointer moves through the real window, with real pointer
// events, during a simulated run: none of them may reach the plot or the
// menus. The plot's reading itself is pinned down by the window tests.

#include <cmath>
#include <iterator>

#include "support/drive_runner.h"

namespace kolven::testing {
namespace {

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
