// The export menu driven with real pointer events: the plot as PNG and SVG,
// the table on the clipboard and as a CSV file read back by Python's csv
// module, and a save that cannot be made.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>

#include "support/drive_runner.h"

namespace kolven::testing {
namespace {

// A thousand simulated counts at the mean 9, from the start of the interval file.
const char* const kThousandCounts =
    "hover ORIGINE\nhover Label38\npick ASSOCIATIONS_List 0\n"
    "at-count 50 dump\nhover LANCER1\npick LANCER_N 9\n";

// The histogram's bins up to its last non-empty one, as the dump gives them.
QList<int> binsOf(const QJsonArray& histogram)
{
    QList<int> bins;
    for (const QJsonValue& v : histogram)
        bins << v.toInt();
    while (!bins.isEmpty() && bins.last() == 0)
        bins.removeLast();
    return bins;
}

// The CSV as a spreadsheet reads it: Python's csv module, the file's
// encoding taken from its byte-order mark, the decimal comma read as such.
QJsonObject readBackCsv(const QString& path)
{
    const char* script = R"(
import csv, json, sys
with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:
    rows = list(csv.reader(f, delimiter=';'))
head = {r[0]: r[1] for r in rows[:5]}
number = lambda text: float(text.replace(',', '.'))
print(json.dumps({'origin': head['Origine'], 'N': int(head['Nombre de comptages']),
                  'mean': number(head['Nmoyen']), 'deviation': number(head['Écart quadratique moyen']),
                  'titles': rows[6], 'counts': [int(r[1]) for r in rows[7:]]}))
)";
    QProcess python;
    python.start("python3", {"-c", script, path});
    EXPECT_TRUE(python.waitForFinished(30000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return object(python.readAllStandardOutput().trimmed());
}

TEST(ExportMenu, SeriesViewAsPicturesAndTable)
{
    QTemporaryDir out;
    const DriveRun run = drive(QString(kThousandCounts) +
                                   QString("dump\nhover EXPORTER\ndump\n"
                                           "answer-file %1/plot.png\npick EXPORTER_List 0\n"
                                           "hover EXPORTER\nanswer-file %1/plot.svg\npick EXPORTER_List 1\n"
                                           "hover EXPORTER\npick EXPORTER_List 2\nclipboard\n"
                                           "hover EXPORTER\nanswer-file %1/table.csv\npick EXPORTER_List 3\ndump\n")
                                       .arg(out.path()),
                               {"--clock", "0"});
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 8u);

    EXPECT_FALSE(controlOf(run.lines[0], "EXPORTER")["visible"].toBool()) << "hidden during a run";
    EXPECT_FALSE(controlOf(run.lines[0], "EXPORTER")["enabled"].toBool());
    const QJsonObject exporter = controlOf(run.lines[1], "EXPORTER");
    const QJsonObject informations = controlOf(run.lines[1], "INFORMATIONS");
    EXPECT_TRUE(exporter["visible"].toBool() && exporter["enabled"].toBool());
    EXPECT_EQ(exporter["caption"].toString(), " Exporter ");
    EXPECT_EQ(exporter["left"].toInt(), informations["left"].toInt() + informations["width"].toInt());
    EXPECT_EQ(exporter["top"].toInt(), informations["top"].toInt());
    EXPECT_EQ(exporter["size"].toDouble(), informations["size"].toDouble());
    const QJsonObject list = controlOf(run.lines[2], "EXPORTER_List");
    EXPECT_TRUE(list["visible"].toBool()) << "the list opens on hovering";
    EXPECT_EQ(list["entries"].toArray(), QJsonArray({" Image du graphique (PNG) ", " Image du graphique (SVG) ",
                                                     " Copier le tableau ", " Enregistrer le tableau (CSV) "}));

    // The clock frozen at 0 stands at the first midnight of 1970.
    for (const auto& [line, name] : {std::pair{3, "kolven-histogramme-1970-01-01-0000.png"},
                                     {4, "kolven-histogramme-1970-01-01-0000.svg"},
                                     {6, "kolven-histogramme-1970-01-01-0000.csv"}})
        EXPECT_EQ(object(run.lines[line])["name"].toString().toStdString(), name);
    EXPECT_EQ(object(run.lines[3])["filter"].toString(), "Image PNG (*.png)");

    // An A4 page's width at 300 dots per inch, from a plot 1024 pixels wide.
    const QImage png(out.filePath("plot.png"));
    EXPECT_EQ(png.width(), 2480);
    EXPECT_NEAR(png.dotsPerMeterX(), 300 / 0.0254, 2);
    EXPECT_EQ(png.pixel(0, 0), qRgb(255, 255, 255));

    QFile svgFile(out.filePath("plot.svg"));
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QByteArray svg = svgFile.readAll();
    EXPECT_TRUE(svg.contains("<text") && svg.contains("Nmoyen") && svg.contains("Nombre de comptages"));
    EXPECT_FALSE(svg.contains("<image")) << "lines and text, not a bitmap";

    const QJsonObject state = stateOf(run.lines[7]);
    const QList<int> bins = binsOf(state["HISTO_COMPT"].toArray());
    const QStringList pasted = object(run.lines[5])["clipboard"].toString().split('\n');
    EXPECT_EQ(pasted[2], "Nombre de comptages\t1000");
    EXPECT_EQ(pasted[6], "Valeur\tComptages");
    ASSERT_EQ(pasted.size(), 7 + bins.size() + 1);
    for (int bin = 0; bin < bins.size(); ++bin)
        EXPECT_EQ(pasted[7 + bin], QString("%1\t%2").arg(bin).arg(bins[bin]));

    const QJsonObject csv = readBackCsv(out.filePath("table.csv"));
    EXPECT_EQ(csv["origin"].toString(), "Histogramme des comptages crées par simulation");
    EXPECT_EQ(csv["N"].toInt(), state["SN_L"].toInt());
    EXPECT_DOUBLE_EQ(csv["mean"].toDouble(), QString::number(state["MOY_S"].toDouble(), 'f', 2).toDouble());
    EXPECT_EQ(csv["titles"].toArray(), QJsonArray({"Valeur", "Comptages"}));
    QList<int> csvBins;
    for (const QJsonValue& v : csv["counts"].toArray())
        csvBins << v.toInt();
    EXPECT_EQ(csvBins, bins);
    EXPECT_FALSE(controlOf(run.lines[7], "AVIS")["visible"].toBool());
}

TEST(ExportMenu, AnalysisPictureHoldsThePanelsAndTheTableTheLaws)
{
    QTemporaryDir out;
    const DriveRun run = drive(QString(kThousandCounts) +
                                   QString("click ANALYSES\nhover EXPORTER\nanswer-file %1/compared.svg\n"
                                           "pick EXPORTER_List 1\nhover EXPORTER\npick EXPORTER_List 2\nclipboard\ndump\n")
                                       .arg(out.path()),
                               {"--clock", "0"});
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 4u);
    EXPECT_TRUE(object(run.lines[1])["name"].toString().startsWith("kolven-comparaison-"));

    QFile svgFile(out.filePath("compared.svg"));
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(svgFile.readAll());
    for (const char* text : {"Histogramme avec POISSON", "Histogramme ORIGINE", "Histogramme avec GAUSS", "χ²"})
        EXPECT_TRUE(svg.contains(QString::fromUtf8(text))) << text;
    EXPECT_FALSE(svg.contains("<image"));

    const QJsonObject state = stateOf(run.lines[3]);
    const QStringList pasted = object(run.lines[2])["clipboard"].toString().split('\n');
    EXPECT_EQ(pasted[6], "Valeur\tComptages\tPoisson\tGauss\tCumul des comptages\tCumul Poisson\tCumul Gauss");
    // Bin 9 holds the most counts of a Poisson law of mean 9: a row every column fills.
    const QStringList nine = pasted[7 + 9].split('\t');
    ASSERT_EQ(nine.size(), 7);
    const char* const arrays[] = {"HISTO_COMPT", "HISTO_POIS", "HISTO_GAUSS", "CUMUL_COMPT", "CUMUL_POIS", "CUMUL_GAUSS"};
    for (int column = 0; column < 6; ++column)
        EXPECT_EQ(nine[column + 1].toInt(), state[arrays[column]].toArray()[9].toInt()) << arrays[column];
}

TEST(ExportMenu, ASaveThatCannotBeMadeSaysWhyAndACancelSavesNothing)
{
    QTemporaryDir out;
    const DriveRun run = drive(QString("hover EXPORTER\nanswer-file %1/missing/table.csv\npick EXPORTER_List 3\ndump\n"
                                       "hover EXPORTER\nanswer-file\npick EXPORTER_List 3\ndump\n")
                                   .arg(out.path()),
                               {"--clock", "52379.9"});
    ASSERT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 4u);
    EXPECT_EQ(object(run.lines[0])["name"].toString().toStdString(), "kolven-histogramme-1970-01-01-1432.csv")
        << "14:32:59.9 on the frozen clock";
    const QJsonObject notice = controlOf(run.lines[1], "AVIS");
    EXPECT_TRUE(notice["visible"].toBool());
    EXPECT_EQ(notice["caption"].toString(), QString("  %1/missing/table.csv n'est pas enregistré : le dossier "
                                                    "%1/missing n'existe pas  ")
                                                .arg(out.path()));
    EXPECT_FALSE(controlOf(run.lines[3], "AVIS")["visible"].toBool()) << "the next choice withdraws the notice";
    EXPECT_TRUE(QDir(out.path()).isEmpty());
}

}  // namespace
}  // namespace kolven::testing
