#include <algorithm>
#include <array>

#include "core/number_text.h"
#include "display/series_plot.h"
#include "shell/kolven_window.h"

namespace kolven {

namespace {

struct RunLength {
    long counts;  // 0: without end, until stopped
    const char* code;
};

// The entries of LANCER_N, in list order.
constexpr std::array<RunLength, 18> kRunLengths = {{
    {1, "C_1"},          {2, "C_0002"},       {5, "C_0005"},      {10, "C_0010"},     {20, "C_0020"},
    {50, "C_0050"},      {100, "C_0100"},     {200, "C_0200"},    {500, "C_0500"},    {1000, "C_1000"},
    {2000, "C_2000"},    {5000, "C_5000"},    {10000, "C_10000"}, {20000, "C_20000"}, {50000, "C_50000"},
    {100000, "C_100000"}, {1000000, "C_1000000"}, {0, "C_1000000"},
}};

// Runs of at most 50 counts pause a hundredth of a second after each count,
// so that a student can follow them.
bool pausesAfterCount(const std::string& mode)
{
    return mode == "C_1" || mode == "C_0002" || mode == "C_0005" || mode == "C_0010" || mode == "C_0020" ||
           mode == "C_0050";
}

constexpr double kPause = 0.01;  // seconds

}  // namespace

void KolvenWindow::LANCER1_PointerOver()
{
    if (series.DONNEES_T != "GAUSS" && series.DONNEES_T != "POISSON") {
        LANCER1.setTooltip("");
        closeAllMenus();
        LANCER_N.show();
        Label34.show();
    } else {
        LANCER1.setTooltip(" Cliquez pour augmenter les effectifs ");
        LANCER_N.hide();
    }
    showSigma2WithDeviation();
}

void KolvenWindow::LANCER_N_Click()
{
    const int entry = LANCER_N.index();
    LANCER_N.hide();
    Label34.hide();
    if (entry < 0)
        return;
    series.MARCHE_I = 1;
    lockCommands();

    const RunLength& run = kRunLengths[static_cast<size_t>(entry)];
    series.MODE_T = run.code;
    if (entry == 0) {
        countProcedure();
    } else {
        series.COMPTAGE_I = 1;
        ARRET_Label.show();
        for (long i = 1; run.counts == 0 || i <= run.counts; ++i) {
            countProcedure();
            services.window.yield();
            if (series.COMPTAGE_I == 0)
                break;
        }
    }
    showSeriesReadouts();
    exportAfterRun();

    series.COMPTAGE_I = 0;
    TRACE_HISTO();
    series.MARCHE_I = 0;
    ARRET_Label.hide();
    series.MAX_L = largestBin();
    ANALYSES.show();
    ANALYSES.setEnabled(series.SN_L >= 4 && !meanReadsZero());
    unlockCommands();
    if (ANALYSES.visible() && F_V_M_Image.visible())
        NORM();
    if (DEPASSE.visible()) {
        Nmoyen.hide();
        SIGMA2.hide();
        EQM2_N.hide();
        ANALYSES.setEnabled(false);
    }
    if (m_closeAfterRun) {
        m_endRequested = true;
        services.window.endProgram();
    }
}

void KolvenWindow::ARRET_Label_MouseDown()
{
    series.COMPTAGE_I = 0;
}

void KolvenWindow::ARRET_Label_PointerOver()
{
    services.window.setArrowCursor();
}

void KolvenWindow::countProcedure()
{
    if (series.FICHIER_T.empty() && !openIntervalFile()) {
        series.COMPTAGE_I = 0;  // no interval file: nothing can be counted
        return;
    }
    if (!makeSimulatedCount()) {
        series.COMPTAGE_I = 0;
        return;
    }

    if (series.NC_I > 240) {
        showSeriesReadouts();  // before the mean is hidden, as it was written
        series.B_S = 0;
        DEPASSE.setCaption("  Des valeurs du comptage dépassent la limite  située à 240  ");
        DEPASSE.move((m_windowWidth - DEPASSE.width()) / 2, EQM2_N.top());
        DEPASSE.show();
        Nmoyen.hide();
        exportAfterRefusal();
        return;
    }
    // Classing must never wrap the 32-bit counters round: the run stops
    // there and says why.
    if (!seriesCanTake(series.NC_I)) {
        showNotice(Notice::SeriesFull);
        series.COMPTAGE_I = 0;
        return;
    }
    classCount();

    // Automatic rescale, one step of 1.1 at most per count, while the user
    // has not asked for the base scale.
    if (!F_V_P_Image.visible()) {
        const double bar = static_cast<double>(display.ECHELLEH_S) * series.HISTO_COMPT[series.NC_I];
        if (bar > display.POSAXE_I - (EQM2_N.top() + EQM2_N.height())) {
            series.MAX_L = series.HISTO_COMPT[series.NC_I];
            TRACE_CADRE();
            display.ECHELLEH_S = static_cast<float>(display.ECHELLEH_S / 1.1);  // divided in double, kept in single
            TRACE_HISTO();
        }
    }
    if (seriesPlot().shows(series.NC_I))
        drawSeriesBar(series.NC_I, platform::paletteColor(kPlotColor));

    if (pausesAfterCount(series.MODE_T)) {
        // The time of day is kept as the count's start, but the wait runs on
        // the monotonic clock: midnight must not stretch it to a day.
        series.B_S = static_cast<float>(services.clock.secondsSinceMidnight());
        const double start = services.clock.monotonicSeconds();
        while (services.clock.monotonicSeconds() - start < kPause) {
        }
    }
    exportAfterCount(pausesAfterCount(series.MODE_T));
}

void KolvenWindow::lockCommands()
{
    EFF_EXP.hide();
    INFORMATIONS.hide();
    for (Control* c : {&LANCER1, &EFFACERS, &DUREES1, &ORIGINE, &ANALYSES, &INFORMATIONS, &EXPORTER, &DETECTEUR}) {
        c->setEnabled(false);
        c->hide();
    }
    FIN.hide();
}

void KolvenWindow::unlockCommands()
{
    INFORMATIONS.setEnabled(true);
    INFORMATIONS.show();
    if (meanReadsZero())
        ANALYSES.setEnabled(false);
    LANCER_N.hide();
    FLECHES();
    for (Control* c : {&EFFACERS, &DUREES1, &ORIGINE, &INFORMATIONS, &EXPORTER, &LANCER1, &DETECTEUR}) {
        c->setEnabled(true);
        c->show();
    }
    FIN.show();
    ARRET_Label.hide();
    services.window.setArrowCursor();
}

int KolvenWindow::largestBin() const
{
    return *std::max_element(series.HISTO_COMPT.begin(), series.HISTO_COMPT.begin() + 241);
}

// The mean read as a number from its leading digits: with a decimal comma a
// mean below 1 reads as zero.
bool KolvenWindow::meanReadsZero() const
{
    return leadingValue(series.NMOYEN_T) == 0;
}

void KolvenWindow::wireCountRun()
{
    LANCER1.onPointerOver = [this](int, int) { LANCER1_PointerOver(); };
    LANCER_N.onClick = [this] { LANCER_N_Click(); };
    ARRET_Label.onMouseDown = [this] { ARRET_Label_MouseDown(); };
    ARRET_Label.onPointerOver = [this](int, int) { ARRET_Label_PointerOver(); };
}

}  // namespace kolven
