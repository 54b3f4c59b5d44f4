// Scrolling, zooming and reading the plots through the real window, with
// real pointer events, after a simulated run of 1000 counts. The limits,
// scales and texts themselves are pinned down by the window tests; this is
// the road that proves real clicks and moves reach them.
//
// Each test drives the window twice with the same clicks: the first drive
// reads the plot's geometry in every state, the second moves the pointer to
// the middle of chosen bins, worked out from that geometry, and reads the
// read-out back. Pointer moves do not change the geometry, so the two agree.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <cmath>
#include <iterator>
#include <vector>

#include "support/drive_runner.h"

namespace kolven::testing {
namespace {

constexpr int kTwipsPerPixel = 15;

// A simulated series from the interval file made at build time.
const QString kThousandCounts =
    "hover ORIGINE\nhover Label38\npick ASSOCIATIONS_List 0\nhover LANCER1\npick LANCER_N 9\n";

DriveRun driveSeries(const QString& script)
{
    return drive(kThousandCounts + script, {"--clock", "0", "--workdir", KOLVEN_BIN_DIR});
}

// The canvas reports a pointer on a pixel as that pixel's first twip: the
// point a script names is the first twip of the pixel nearest the aim.
QString moveTo(double x, double y)
{
    const auto onPixel = [](double twips) { return kTwipsPerPixel * static_cast<int>(std::lround(twips / kTwipsPerPixel)); };
    return QString("move %1 %2\n").arg(onPixel(x)).arg(onPixel(y));
}

QJsonObject controlOf(const QJsonObject& dump, const char* name)
{
    return dump["controls"].toObject()[name].toObject();
}

int field(const QJsonObject& dump, const char* control, const char* name)
{
    return controlOf(dump, control)[name].toInt();
}

int stateOf(const QJsonObject& dump, const char* name)
{
    return dump["state"].toObject()[name].toInt();
}

int entry(const QJsonObject& dump, const char* array, int index)
{
    return dump["state"].toObject()[array].toArray()[index].toInt();
}

QString countText(int bin, int count)
{
    return QString(" Effectif de [ %1 ] = %2 ").arg(bin).arg(count);
}

// The lines that are dumps of the window, in order (error lines left out).
std::vector<QJsonObject> dumps(const DriveRun& run)
{
    std::vector<QJsonObject> out;
    for (const QByteArray& line : run.lines) {
        const QJsonObject o = object(line);
        EXPECT_FALSE(o.contains("error")) << line.toStdString();
        if (o.contains("state"))
            out.push_back(o);
    }
    return out;
}

// Between the statistics and the arrow buttons: the read-out band.
double seriesBandMiddle(const QJsonObject& dump)
{
    const double top = field(dump, "EQM2_N", "top") + 1.1 * field(dump, "EQM2_N", "height");
    const double bottom = field(dump, "EFF_EXP", "top") - field(dump, "EFF_EXP", "height") / 4.0;
    return (top + bottom) / 2;
}

// A view reached by some clicks, then crossed by the pointer.
struct Step {
    const char* clicks;
    int origin, horizon;    // ORIGINE_I and HORIZON_I after the clicks
    std::vector<int> bins;  // series: bins; analysis: positions (panel cycles Poisson, series, Gauss)
};

// Both drives of a test: the survey, then the moves worked out from it.
template <typename Script>
std::vector<QJsonObject> surveyThenDrive(const Script& script, std::size_t steps)
{
    const DriveRun survey = driveSeries(script({}));
    EXPECT_EQ(survey.exitCode, 0);
    const std::vector<QJsonObject> geometry = dumps(survey);
    if (geometry.size() != steps) {
        ADD_FAILURE() << "survey gave " << geometry.size() << " dumps";
        return {};
    }
    const DriveRun run = driveSeries(script(geometry));
    EXPECT_EQ(run.exitCode, 0);
    return dumps(run);
}

// The series at mean 9 holds its counts in the bins up to about 25.
const std::vector<Step> kSeriesSteps = {
    {"", 0, 80, {5, 9, 70}},
    {"click F_H_M_Image1\nclick F_H_M_Image1\nclick F_H_D_10\nclick F_H_D_Image\n", 11, 20, {11, 12, 31}},
    {"click F_H_P_Image\nclick F_H_P_Image\nclick F_H_P_Image\nclick F_H_G_10\nclick F_H_G_10\n", 0, 160, {0, 9, 13}},
};

QString seriesScript(const std::vector<QJsonObject>& geometry)
{
    QString script;
    for (std::size_t row = 0; row < kSeriesSteps.size(); ++row) {
        script += QString(kSeriesSteps[row].clicks) + "dump\n";
        if (geometry.empty())
            continue;
        const QJsonObject& g = geometry[row];
        for (const int bin : kSeriesSteps[row].bins)
            script += moveTo(stateOf(g, "D1_I") + stateOf(g, "DECAL1_I") * (bin - stateOf(g, "ORIGINE_I")),
                             seriesBandMiddle(g)) +
                      "dump\n";
    }
    return script;
}

TEST(PlotReadingDrive, SeriesScrolledZoomedAndReadBinByBin)
{
    const std::vector<QJsonObject> all = surveyThenDrive(seriesScript, kSeriesSteps.size());
    std::size_t at = 0;
    for (const Step& step : kSeriesSteps) {
        SCOPED_TRACE(step.clicks);
        ASSERT_LT(at, all.size());
        const QJsonObject afterClicks = all[at++];
        EXPECT_EQ(stateOf(afterClicks, "ORIGINE_I"), step.origin);
        EXPECT_EQ(stateOf(afterClicks, "HORIZON_I"), step.horizon);
        for (const int bin : step.bins) {
            ASSERT_LT(at, all.size());
            const QJsonObject read = all[at++];
            EXPECT_EQ(stateOf(read, "CURSEUR_I"), bin);
            EXPECT_TRUE(controlOf(read, "EFF_EXP")["visible"].toBool());
            EXPECT_EQ(controlOf(read, "EFF_EXP")["caption"].toString(), countText(bin, entry(read, "HISTO_COMPT", bin)));
            // Between the two single-step buttons.
            EXPECT_GE(field(read, "EFF_EXP", "left"), field(read, "F_H_G_Image", "left") + field(read, "F_H_G_Image", "width"));
            EXPECT_LE(field(read, "EFF_EXP", "left") + field(read, "EFF_EXP", "width"), field(read, "F_H_D_Image", "left"));
        }
    }
    EXPECT_EQ(at, all.size());
}

// Nothing is selected when the analysis opens: position 0 reads out.
const std::vector<Step> kAnalysisSteps = {
    {"", 0, 80, {0, 10, 12}},
    {"click F_H_M_Image1\nclick F_H_D_10\nclick F_H_P_Image\nclick F_H_P_Image\n", 10, 160, {3, 4, 5}},
};

const char* const kPanelLeft[] = {"D1A_I", "D2A_I", "D3A_I"};
const char* const kAnalysisLabels[] = {"EFF_POI", "SOMME_POIS", "EFF_GAUSS", "SOMME_GAUSS", "EFF_COMPT", "SOMME_COMPT"};

QString analysisScript(const std::vector<QJsonObject>& geometry)
{
    QString script = "hover ANALYSES\nclick ANALYSES\n";
    for (std::size_t row = 0; row < kAnalysisSteps.size(); ++row) {
        script += QString(kAnalysisSteps[row].clicks) + "dump\n";
        if (geometry.empty())
            continue;
        const QJsonObject& g = geometry[row];
        // Below the upper read-out labels, above the lower edge of EFF_EXP.
        const double y =
            (field(g, "SOMME_POIS", "top") + 1.1 * field(g, "SOMME_POIS", "height") + field(g, "EFF_EXP", "top")) / 2;
        const std::vector<int>& positions = kAnalysisSteps[row].bins;
        for (std::size_t i = 0; i < positions.size(); ++i)
            script += moveTo(stateOf(g, kPanelLeft[i % 3]) + stateOf(g, "DECAL1A_I") * (positions[i] + 0.5), y) +
                      "dump\n";
    }
    if (geometry.empty())
        return script;
    // Up out of the band, between the upper labels and the band's edge.
    const QJsonObject& g = geometry[0];
    const double top = field(g, "SOMME_POIS", "top"), height = field(g, "SOMME_POIS", "height");
    return script + moveTo(8000, (top + height + top + 1.1 * height) / 2) + "dump\n";
}

TEST(PlotReadingDrive, AnalysisReadInEveryPanelAfterScrollAndZoom)
{
    const std::vector<QJsonObject> all = surveyThenDrive(analysisScript, kAnalysisSteps.size());
    std::size_t at = 0;
    for (const Step& step : kAnalysisSteps) {
        SCOPED_TRACE(step.clicks);
        ASSERT_LT(at, all.size());
        const QJsonObject afterClicks = all[at++];
        EXPECT_EQ(afterClicks["state"].toObject()["MODE_T"].toString(), "HISTOGRAMMES");
        EXPECT_EQ(stateOf(afterClicks, "ORIGINE_I"), step.origin);
        EXPECT_EQ(stateOf(afterClicks, "HORIZON_I"), step.horizon);
        for (const int position : step.bins) {
            ASSERT_LT(at, all.size());
            const QJsonObject read = all[at++];
            const int bin = step.origin + position;
            EXPECT_EQ(stateOf(read, "CURSEUR_I"), position);
            for (const char* name : kAnalysisLabels)
                EXPECT_TRUE(controlOf(read, name)["visible"].toBool()) << name;
            EXPECT_EQ(controlOf(read, "EFF_POI")["caption"].toString(), countText(bin, entry(read, "HISTO_POIS", bin)));
            EXPECT_EQ(controlOf(read, "SOMME_COMPT")["caption"].toString(),
                      QString(" Somme de 0 à %1 = %2 ").arg(bin).arg(entry(read, "CUMUL_COMPT", bin)));
        }
    }
    ASSERT_EQ(at + 1, all.size());
    for (const char* name : kAnalysisLabels)
        EXPECT_FALSE(controlOf(all[at], name)["visible"].toBool()) << name << " once the pointer leaves the band";
}

// Clicks and moves while a second run of 1000 counts goes on, each at its
// own count: nothing of them may reach the plot or the menus.
TEST(PlotReadingDrive, ArrowsPointerAndMenusAreIgnoredDuringARun)
{
    const DriveRun survey = driveSeries("dump\n");
    ASSERT_EQ(survey.exitCode, 0);
    ASSERT_EQ(survey.lines.size(), 1u);
    const QJsonObject geometry = object(survey.lines[0]);
    const double y = seriesBandMiddle(geometry);
    auto overBin = [&](int bin) {
        return moveTo(stateOf(geometry, "D1_I") + stateOf(geometry, "DECAL1_I") * bin, y).trimmed();
    };
    const QString actions[] = {"click F_H_D_10", "click F_H_M_Image1", "click F_V_M_Image", overBin(5),
                               "hover LANCER1", "hover ORIGINE", "hover INFORMATIONS"};

    // Bin 9 selected before the run; the run hides its read-out.
    QString script = overBin(9) + "\ndump\n";
    int count = 0;
    for (const QString& action : actions) {
        count += 50;
        script += QString("at-count %1 %2\nat-count %3 dump\n").arg(count).arg(action).arg(count + 1);
    }
    script += "hover LANCER1\npick LANCER_N 9\ndump\n";
    const DriveRun run = driveSeries(script);
    ASSERT_EQ(run.exitCode, 0);
    const std::vector<QJsonObject> all = dumps(run);
    ASSERT_EQ(all.size(), std::size(actions) + 2);

    const QJsonObject& before = all[0];
    ASSERT_EQ(stateOf(before, "CURSEUR_I"), 9);
    const char* const menus[] = {"LANCER_N", "Label37", "Label38", "THEORIQUE_Label", "INFOS", "EFF_EXP"};
    for (std::size_t i = 1; i < all.size(); ++i) {
        SCOPED_TRACE(i <= std::size(actions) ? actions[i - 1].toStdString() : "after the run");
        for (const char* name : {"ORIGINE_I", "HORIZON_I", "CURSEUR_I"})
            EXPECT_EQ(stateOf(all[i], name), stateOf(before, name)) << name;
        for (const char* name : menus)
            EXPECT_FALSE(controlOf(all[i], name)["visible"].toBool()) << name;
        EXPECT_EQ(controlOf(all[i], "F_V_M_Image")["visible"].toBool(), controlOf(before, "F_V_M_Image")["visible"].toBool());
    }
    EXPECT_EQ(stateOf(all[std::size(actions)], "SN_L"), 1000 + count + 1);
    EXPECT_TRUE(controlOf(all[std::size(actions)], "ARRET_Label")["visible"].toBool()) << "the run goes on";
    EXPECT_EQ(stateOf(all.back(), "SN_L"), 2000) << "the whole run was counted";
}

}  // namespace
}  // namespace kolven::testing
