// Scrolling, zooming and reading the plots through the real window, with
// real pointer events, after a simulated run of 1000 counts.
//
// Each test drives the window twice with the same clicks: the first drive
// reads the plot's geometry in every state, the second moves the pointer to
// the middle of chosen bins, worked out from that geometry, and reads the
// read-out back. Pointer moves do not change the geometry, so the two agree.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <algorithm>
#include <cmath>
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
int onPixel(double twips)
{
    return kTwipsPerPixel * static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

QString moveTo(double x, double y)
{
    return QString("move %1 %2\n").arg(onPixel(x)).arg(onPixel(y));
}

QJsonObject controlOf(const QJsonObject& dump, const char* name)
{
    return dump["controls"].toObject()[name].toObject();
}

int field(const QJsonObject& control, const char* name)
{
    return control[name].toInt();
}

int entry(const QJsonObject& state, const char* array, int index)
{
    return state[array].toArray()[index].toInt();
}

QString countText(int bin, int count)
{
    return QString(" Effectif de [ %1 ] = %2 ").arg(bin).arg(count);
}

QString totalText(int bin, int total)
{
    return QString(" Somme de 0 à %1 = %2 ").arg(bin).arg(total);
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

struct SeriesStep {
    const char* name;
    const char* clicks;
    int origin;             // ORIGINE_I after the clicks
    int horizon;            // HORIZON_I after the clicks
    bool base;              // the base scale (30 counts) rather than the normalised one
    std::vector<int> bins;  // the pointer then crosses these bins, in order
};

// The series at mean 9 holds its counts in the bins up to about 25.
const std::vector<SeriesStep> kSeriesSteps = {
    {"the run's end: 80 bins from 0, normalised", "", 0, 80, false, {5, 9, 12, 70}},
    {"halved twice: 20 bins", "click F_H_M_Image1\nclick F_H_M_Image1\n", 0, 20, false, {0, 8, 9, 20}},
    {"ten to the right", "click F_H_D_10\n", 10, 20, false, {10, 13, 30}},
    {"one to the right, base scale", "click F_H_D_Image\nclick F_V_M_Image\n", 11, 20, true, {11, 12, 31}},
    {"doubled three times: 160 bins",
     "click F_H_P_Image\nclick F_H_P_Image\nclick F_H_P_Image\n",
     11,
     160,
     true,
     {12, 13, 14, 15, 171}},
    {"twice ten to the left stops at 0, normalised again",
     "click F_H_G_10\nclick F_H_G_10\nclick F_V_P_Image\n",
     0,
     160,
     false,
     {0, 1, 2, 9}},
};

// Between the statistics and the arrow buttons: the read-out band.
double seriesBandMiddle(const QJsonObject& dump)
{
    const QJsonObject stats = controlOf(dump, "EQM2_N"), readout = controlOf(dump, "EFF_EXP");
    const double top = field(stats, "top") + 1.1 * field(stats, "height");
    const double bottom = field(readout, "top") - field(readout, "height") / 4.0;
    return (top + bottom) / 2;
}

QString seriesScript(const std::vector<QJsonObject>& geometry)
{
    QString script;
    for (std::size_t row = 0; row < kSeriesSteps.size(); ++row) {
        script += kSeriesSteps[row].clicks;
        script += "dump\n";
        if (geometry.empty())
            continue;
        const QJsonObject state = geometry[row]["state"].toObject();
        const double y = seriesBandMiddle(geometry[row]);
        for (const int bin : kSeriesSteps[row].bins) {
            const double x = state["D1_I"].toInt() + state["DECAL1_I"].toInt() * (bin - state["ORIGINE_I"].toInt());
            script += moveTo(x, y) + "dump\n";
        }
    }
    return script;
}

TEST(PlotReadingDrive, SeriesScrolledZoomedAndReadBinByBin)
{
    const DriveRun survey = driveSeries(seriesScript({}));
    ASSERT_EQ(survey.exitCode, 0);
    const std::vector<QJsonObject> geometry = dumps(survey);
    ASSERT_EQ(geometry.size(), kSeriesSteps.size());

    const DriveRun run = driveSeries(seriesScript(geometry));
    ASSERT_EQ(run.exitCode, 0);
    const std::vector<QJsonObject> all = dumps(run);
    const int plotWidth = geometry[0]["state"].toObject()["DECAL1_I"].toInt() * 80;

    std::size_t at = 0;
    for (const SeriesStep& step : kSeriesSteps) {
        SCOPED_TRACE(step.name);
        ASSERT_LT(at, all.size());
        const QJsonObject afterClicks = all[at++];
        const QJsonObject state = afterClicks["state"].toObject();
        EXPECT_EQ(state["SN_L"].toInt(), 1000);
        EXPECT_EQ(state["ORIGINE_I"].toInt(), step.origin);
        EXPECT_EQ(state["HORIZON_I"].toInt(), step.horizon);
        EXPECT_EQ(state["DECAL1_I"].toInt() * step.horizon, plotWidth) << "the plot keeps its width";
        // Base: 30 counts fill the plot height. Normalised: the largest bin
        // reaches the lower edge of CONTENUS, through every scroll and zoom.
        const QJsonArray histogram = state["HISTO_COMPT"].toArray();
        int largest = 0;
        for (const QJsonValue& count : histogram)
            largest = std::max(largest, count.toInt());
        const QJsonObject contents = controlOf(afterClicks, "CONTENUS");
        const double scale = state["ECHELLEH_S"].toDouble();
        if (step.base) {
            EXPECT_NEAR(scale * 30, state["ECHELLEH0_L"].toInt(), 0.01);
            EXPECT_EQ(contents["caption"].toString(), " 30");
        } else {
            EXPECT_NEAR(scale * largest, state["POSAXE_I"].toInt() - field(contents, "top") - field(contents, "height"),
                        0.01);
        }
        EXPECT_EQ(controlOf(afterClicks, "F_V_P_Image")["visible"].toBool(), step.base);
        EXPECT_EQ(controlOf(afterClicks, "F_V_M_Image")["visible"].toBool(), !step.base);
        EXPECT_EQ(controlOf(afterClicks, "F_H_G_10")["visible"].toBool(), step.origin > 0);
        EXPECT_EQ(controlOf(afterClicks, "F_H_D_10")["visible"].toBool(), step.origin + step.horizon < 240);

        for (const int bin : step.bins) {
            ASSERT_LT(at, all.size());
            const QJsonObject read = all[at++];
            const QJsonObject label = controlOf(read, "EFF_EXP");
            EXPECT_EQ(read["state"].toObject()["CURSEUR_I"].toInt(), bin) << "bin " << bin;
            EXPECT_TRUE(label["visible"].toBool());
            EXPECT_EQ(label["caption"].toString(), countText(bin, entry(state, "HISTO_COMPT", bin)));
            // Between the two single-step buttons.
            EXPECT_GE(field(label, "left"), field(controlOf(read, "F_H_G_Image"), "left") +
                                                field(controlOf(read, "F_H_G_Image"), "width"));
            EXPECT_LE(field(label, "left") + field(label, "width"), field(controlOf(read, "F_H_D_Image"), "left"));
        }
    }
    EXPECT_EQ(at, all.size());
}

enum Panel { Poisson, Series, Gauss };

struct Probe {
    Panel panel;
    int position;  // inside the window of bins, 0 … HORIZON_I
};

struct AnalysisStep {
    const char* name;
    const char* clicks;
    int origin;
    int horizon;
    std::vector<Probe> probes;
};

const std::vector<AnalysisStep> kAnalysisSteps = {
    // Nothing is selected when the analysis opens: position 0 reads out.
    {"just opened", "", 0, 80, {{Poisson, 0}, {Poisson, 9}, {Series, 10}, {Gauss, 12}, {Gauss, 80}}},
    {"halved and ten to the right",
     "click F_H_M_Image1\nclick F_H_D_10\n",
     10,
     40,
     {{Series, 0}, {Gauss, 1}, {Poisson, 40}}},
    {"doubled twice", "click F_H_P_Image\nclick F_H_P_Image\n", 10, 160, {{Poisson, 3}, {Series, 4}, {Gauss, 5}}},
};

QString analysisScript(const std::vector<QJsonObject>& geometry)
{
    QString script = "hover ANALYSES\nclick ANALYSES\n";
    for (std::size_t row = 0; row < kAnalysisSteps.size(); ++row) {
        script += kAnalysisSteps[row].clicks;
        script += "dump\n";
        if (geometry.empty())
            continue;
        const QJsonObject state = geometry[row]["state"].toObject();
        const int left[] = {state["D1A_I"].toInt(), state["D2A_I"].toInt(), state["D3A_I"].toInt()};
        const int width = state["DECAL1A_I"].toInt();
        // Below the upper read-out labels, above the lower edge of EFF_EXP.
        const QJsonObject upper = controlOf(geometry[row], "SOMME_POIS"), lower = controlOf(geometry[row], "EFF_EXP");
        const double y = (field(upper, "top") + 1.1 * field(upper, "height") + field(lower, "top")) / 2;
        for (const Probe& probe : kAnalysisSteps[row].probes)
            script += moveTo(left[probe.panel] + width * (probe.position + 0.5), y) + "dump\n";
    }
    if (geometry.empty())
        return script;
    // Up out of the band, between the upper labels and the band's edge.
    const QJsonObject upper = controlOf(geometry[0], "SOMME_POIS");
    const double bottom = field(upper, "top") + field(upper, "height");
    return script + moveTo(8000, (bottom + field(upper, "top") + 1.1 * field(upper, "height")) / 2) + "dump\n";
}

TEST(PlotReadingDrive, AnalysisReadInEveryPanelAfterScrollAndZoom)
{
    const DriveRun survey = driveSeries(analysisScript({}));
    ASSERT_EQ(survey.exitCode, 0);
    const std::vector<QJsonObject> geometry = dumps(survey);
    ASSERT_EQ(geometry.size(), kAnalysisSteps.size());

    const DriveRun run = driveSeries(analysisScript(geometry));
    ASSERT_EQ(run.exitCode, 0);
    const std::vector<QJsonObject> all = dumps(run);

    const char* const labels[] = {"EFF_POI", "SOMME_POIS", "EFF_GAUSS", "SOMME_GAUSS", "EFF_COMPT", "SOMME_COMPT"};
    std::size_t at = 0;
    for (const AnalysisStep& step : kAnalysisSteps) {
        SCOPED_TRACE(step.name);
        ASSERT_LT(at, all.size());
        const QJsonObject state = all[at++]["state"].toObject();
        EXPECT_EQ(state["MODE_T"].toString(), "HISTOGRAMMES");
        EXPECT_EQ(state["ORIGINE_I"].toInt(), step.origin);
        EXPECT_EQ(state["HORIZON_I"].toInt(), step.horizon);

        for (const Probe& probe : step.probes) {
            ASSERT_LT(at, all.size());
            const QJsonObject read = all[at++];
            const int bin = step.origin + probe.position;
            EXPECT_EQ(read["state"].toObject()["CURSEUR_I"].toInt(), probe.position)
                << "panel " << probe.panel << ", position " << probe.position;
            for (const char* name : labels)
                EXPECT_TRUE(controlOf(read, name)["visible"].toBool()) << name;
            EXPECT_EQ(controlOf(read, "EFF_POI")["caption"].toString(), countText(bin, entry(state, "HISTO_POIS", bin)));
            EXPECT_EQ(controlOf(read, "SOMME_POIS")["caption"].toString(),
                      totalText(bin, entry(state, "CUMUL_POIS", bin)));
            EXPECT_EQ(controlOf(read, "EFF_GAUSS")["caption"].toString(),
                      countText(bin, entry(state, "HISTO_GAUSS", bin)));
            EXPECT_EQ(controlOf(read, "SOMME_GAUSS")["caption"].toString(),
                      totalText(bin, entry(state, "CUMUL_GAUSS", bin)));
            EXPECT_EQ(controlOf(read, "EFF_COMPT")["caption"].toString(),
                      countText(bin, entry(state, "HISTO_COMPT", bin)));
            EXPECT_EQ(controlOf(read, "SOMME_COMPT")["caption"].toString(),
                      totalText(bin, entry(state, "CUMUL_COMPT", bin)));
        }
    }
    ASSERT_EQ(at + 1, all.size());
    for (const char* name : labels)
        EXPECT_FALSE(controlOf(all[at], name)["visible"].toBool()) << name << " once the pointer leaves the band";
}

// What a person does while a run counts, each carried out at its own count
// of a second run of 1000: nothing of it may reach the plot or the menus.
struct DuringRun {
    const char* name;
    QString action;  // a script command, or "over the plot" for a move to bin 5
};

const std::vector<DuringRun> kDuringRun = {
    {"ten bins to the right", "click F_H_D_10"},
    {"one bin to the right", "click F_H_D_Image"},
    {"fewer bins", "click F_H_M_Image1"},
    {"more bins", "click F_H_P_Image"},
    {"base scale", "click F_V_M_Image"},
    {"the pointer over the plot", "over the plot"},
    {"the pointer where the run menu's label was", "hover LANCER1"},
    {"the pointer where the origin menu's label was", "hover ORIGINE"},
    {"the pointer where the mean menu's label was", "hover DUREES1"},
    {"the pointer where the information label was", "hover INFORMATIONS"},
    {"the pointer over the title band", "hover Picture1"},
};

constexpr int kCountsApart = 50;

TEST(PlotReadingDrive, ArrowsPointerAndMenusAreIgnoredDuringARun)
{
    const DriveRun survey = driveSeries("dump\n");
    ASSERT_EQ(survey.exitCode, 0);
    ASSERT_EQ(survey.lines.size(), 1u);
    const QJsonObject geometry = object(survey.lines[0]);
    const QJsonObject plot = geometry["state"].toObject();
    const double y = seriesBandMiddle(geometry);
    auto binCentre = [&](int bin) { return plot["D1_I"].toInt() + plot["DECAL1_I"].toInt() * bin; };

    // Bin 9 selected before the run; the run hides its read-out.
    QString script = moveTo(binCentre(9), y) + "dump\n";
    for (std::size_t i = 0; i < kDuringRun.size(); ++i) {
        const int count = kCountsApart * static_cast<int>(i + 1);
        const QString action = kDuringRun[i].action == "over the plot" ? moveTo(binCentre(5), y).trimmed()
                                                                       : kDuringRun[i].action;
        script += QString("at-count %1 %2\nat-count %3 dump\n").arg(count).arg(action).arg(count + 1);
    }
    script += "hover LANCER1\npick LANCER_N 9\ndump\n";
    const DriveRun run = driveSeries(script);
    ASSERT_EQ(run.exitCode, 0);
    const std::vector<QJsonObject> all = dumps(run);
    ASSERT_EQ(all.size(), kDuringRun.size() + 2);

    const QJsonObject before = all.front()["state"].toObject();
    ASSERT_EQ(before["CURSEUR_I"].toInt(), 9);
    const char* const unchanged[] = {"ORIGINE_I", "HORIZON_I", "DECAL1_I", "CURSEUR_I"};
    const char* const arrows[] = {"F_H_D_10", "F_H_D_Image", "F_H_G_10", "F_H_G_Image",
                                  "F_H_M_Image1", "F_H_P_Image", "F_V_P_Image", "F_V_M_Image"};
    const char* const menus[] = {"LANCER_N", "Label34", "Label37", "Label38", "THEORIQUE_Label", "ASSOCIATIONS_List",
                                 "VALEUR_A_Label", "VALEUR_A_List", "Label33", "Label35", "INFOS", "EFF_EXP"};
    for (std::size_t i = 0; i < kDuringRun.size(); ++i) {
        SCOPED_TRACE(kDuringRun[i].name);
        const QJsonObject during = all[i + 1];
        const QJsonObject state = during["state"].toObject();
        EXPECT_EQ(state["SN_L"].toInt(), 1000 + kCountsApart * static_cast<int>(i + 1) + 1);
        EXPECT_TRUE(controlOf(during, "ARRET_Label")["visible"].toBool()) << "the run goes on";
        for (const char* name : unchanged)
            EXPECT_EQ(state[name].toInt(), before[name].toInt()) << name;
        for (const char* name : arrows)
            EXPECT_EQ(controlOf(during, name)["visible"].toBool(), controlOf(all.front(), name)["visible"].toBool())
                << name;
        for (const char* name : menus)
            EXPECT_FALSE(controlOf(during, name)["visible"].toBool()) << name;
    }

    const QJsonObject after = all.back();
    EXPECT_EQ(after["state"].toObject()["SN_L"].toInt(), 2000) << "the whole run was counted";
    for (const char* name : unchanged)
        EXPECT_EQ(after["state"].toObject()[name].toInt(), before[name].toInt()) << name;
    for (const char* name : {"LANCER1", "ORIGINE", "DUREES1", "INFORMATIONS", "FIN"})
        EXPECT_TRUE(controlOf(after, name)["visible"].toBool()) << name;
    for (const char* name : menus)
        EXPECT_FALSE(controlOf(after, name)["visible"].toBool()) << name;
}

}  // namespace
}  // namespace kolven::testing
