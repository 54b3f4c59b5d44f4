#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "core/histogram_table.h"
#include "core/save_notice.h"
#include "core/series_stats.h"
#include "display/comparison_plot.h"
#include "display/series_plot.h"
#include "platform/picture.h"
#include "shell/kolven_window.h"

namespace kolven {

namespace {

// The entries of EXPORTER_List, in its order.
enum ExportEntry { PngPicture, SvgPicture, CopyTable, CsvTable };

// The room left round the plot area's read-outs and titles, in twips.
constexpr int kPictureMargin = 120;
// How far under the axis its numbers reach, in design twips.
constexpr double kAxisLabelsDepth = 600;

// kolven-histogramme-2026-12-06-1432.png: what it is, and when it was made.
std::string stampedName(const char* what, const platform::CalendarTime& t, const char* suffix)
{
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d-%02d%02d", t.year, t.month, t.day, t.hour, t.minute);
    return std::string(what) + '-' + stamp + suffix;
}

}  // namespace

const std::vector<const char*>& KolvenWindow::exportEntries()
{
    static const std::vector<const char*> entries = {
        " Image du graphique (PNG) ",
        " Image du graphique (SVG) ",
        " Copier le tableau ",
        " Enregistrer le tableau (CSV) ",
    };
    return entries;
}

void KolvenWindow::EXPORTER_PointerOver()
{
    openCommandMenu(EXPORTER_List);
}

// The menu closes first: what it covered is part of the picture.
void KolvenWindow::EXPORTER_List_Click()
{
    const int entry = takeCommandMenuEntry(EXPORTER_List);
    withdrawNotice(Notice::SaveRefused);
    switch (entry) {
    case PngPicture:
        savePlotPicture(platform::PictureFormat::Png);
        break;
    case SvgPicture:
        savePlotPicture(platform::PictureFormat::Svg);
        break;
    case CopyTable:
        services.clipboard.setText(tabSeparated(histogramTable(tableSource())));
        break;
    case CsvTable:
        saveTable();
        break;
    default:
        break;
    }
}

std::string KolvenWindow::exportName(const char* suffix) const
{
    return stampedName(analysisShown() ? "kolven-comparaison" : "kolven-histogramme", services.clock.localTime(),
                       suffix);
}

TableSource KolvenWindow::tableSource() const
{
    TableSource s;
    // The comparison shows its own title over the series: the series' is kept aside.
    s.origin = analysisShown() ? laws.TITRE_T : DISTR_COMPTAGES.caption();
    s.meanSetting = mean.TEMPS_S;
    s.counts = series.SN_L;
    s.mean = series.MOY_S;
    s.deviation = roundedDeviation(series.S2N_D, series.S1_L, series.SN_L);
    s.histogram = &series.HISTO_COMPT;
    if (analysisShown()) {
        s.poisson = &laws.HISTO_POIS;
        s.gauss = &laws.HISTO_GAUSS;
        s.countsTotal = &laws.CUMUL_COMPT;
        s.poissonTotal = &laws.CUMUL_POIS;
        s.gaussTotal = &laws.CUMUL_GAUSS;
    }
    return s;
}

// What a lab report shows of the plot: the bars, axes and labels, the
// titles, and the read-outs of the statistics and the χ² tests. The arrows
// and the read-out of the bin under the pointer belong to the screen.
std::vector<const Control*> KolvenWindow::pictureControls() const
{
    std::vector<const Control*> shown;
    std::vector<const Control*> candidates = {&CONTENUS, &VAL_COMPT, &NOMB_COMPT, &Nmoyen, &EQM2_N, &SIGMA2,
                                              &DISTR_COMPTAGES};
    for (const ComparisonColumn& column : m_columns) {
        candidates.push_back(column.title);
        for (const Control* c : column.statistics())
            candidates.push_back(c);
        candidates.push_back(column.chiSquareLine);
        candidates.push_back(column.chiSquareVerdict);
    }
    for (const Control* c : m_controls)
        if (c->onScreen() && std::find(candidates.begin(), candidates.end(), c) != candidates.end())
            shown.push_back(c);
    return shown;
}

// From just over the highest read-out to just under the lowest title,
// across the whole window.
platform::Rect KolvenWindow::pictureArea() const
{
    int top = display.POSAXE_I;
    int bottom = display.POSAXE_I + scaledY(kAxisLabelsDepth);
    for (const Control* c : pictureControls()) {
        top = std::min(top, c->top());
        bottom = std::max(bottom, c->top() + c->height());
    }
    top = std::max(0, top - kPictureMargin);
    bottom = std::min(m_windowHeight, bottom + kPictureMargin);
    return {0, top, m_windowWidth, bottom - top};
}

// The plot drawn again by the functions that drew it on screen, on the
// picture's own surface, with its controls over it in their stacking order.
void KolvenWindow::drawPlotArea(platform::PictureSurface& surface) const
{
    if (analysisShown()) {
        std::vector<ComparedHistogram> histograms;
        for (const ComparisonColumn* column : shownColumns())
            histograms.push_back({column->panel, column->histogram});
        kolven::TRACE_COMPARAISON(surface, m_windowFont, comparisonInputs(), histograms);
    } else {
        drawSeriesFrame(surface, seriesPlot(), m_windowFont, LANCER1.height() / 2, EQM2_N.top());
        drawSeriesBars(surface, seriesPlot(), series.HISTO_COMPT);
    }
    for (const Control* c : pictureControls())
        surface.control(*c);
}

void KolvenWindow::savePlotPicture(platform::PictureFormat format)
{
    const bool png = format == platform::PictureFormat::Png;
    const auto path = services.dialogs.askSavePath(services.dialogs.userFolder(platform::UserFolder::Pictures),
                                                   exportName(png ? ".png" : ".svg"),
                                                   png ? "Image PNG (*.png)" : "Image SVG (*.svg)");
    if (!path)
        return;
    const auto bytes = services.window.picture({pictureArea(), format},
                                               [this](platform::PictureSurface& surface) { drawPlotArea(surface); });
    if (!bytes) {
        showSaveNotice("  L'image du graphique ne peut pas être faite ici  ");
        return;
    }
    saveFile(*path, *bytes);
}

void KolvenWindow::saveTable()
{
    const auto path = services.dialogs.askSavePath(services.dialogs.userFolder(platform::UserFolder::Documents),
                                                   exportName(".csv"), "Tableau CSV (*.csv)");
    if (path)
        saveFile(*path, semicolonCsv(histogramTable(tableSource())));
}

void KolvenWindow::saveFile(const std::string& path, std::string_view bytes)
{
    const std::string problem = saveNoticeText(services.files.saveFile(path, bytes), path);
    if (!problem.empty())
        showSaveNotice(problem);
}

void KolvenWindow::showSaveNotice(std::string text)
{
    m_saveNotice = std::move(text);
    showNotice(Notice::SaveRefused);
}

void KolvenWindow::wireExportMenu()
{
    EXPORTER.onPointerOver = [this](int, int) { EXPORTER_PointerOver(); };
    EXPORTER_List.onClick = [this] { EXPORTER_List_Click(); };
}

}  // namespace kolven
