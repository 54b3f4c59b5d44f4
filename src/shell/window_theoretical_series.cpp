#include "core/number_text.h"
#include "display/full_scale_count.h"
#include "laws/theoretical_series.h"
#include "shell/kolven_window.h"

namespace kolven {

namespace {

// The chosen law in white on blue, the other one as the menu shows a choice.
void markChoice(Control& chosen, Control& other)
{
    chosen.setFore(platform::colors::white);
    chosen.setBack(platform::rgb(50, 110, 200));
    other.setFore(platform::colors::blue);
    other.setBack(platform::colors::lightGrey);
}

}  // namespace

void KolvenWindow::POISS_Click()
{
    markChoice(POISS, GAUSSIEN);
    chooseTheoreticalOrigin("POISSON", " Histogramme théorique calculé avec POISSON ");
}

void KolvenWindow::GAUSSIEN_Click()
{
    markChoice(GAUSSIEN, POISS);
    chooseTheoreticalOrigin("GAUSS", " Histogramme théorique calculé avec GAUSS ");
}

// A theoretical origin replaces the series, without asking, by the law's
// histogram for the mean and 100 000 counts.
void KolvenWindow::chooseTheoreticalOrigin(const char* code, const char* title)
{
    series.DONNEES_T = code;
    // A computed series holds no count past 240: the limit message of a
    // simulated series before it goes with it.
    DEPASSE.hide();
    setSeriesTitle(title);
    DISTR_COMPTAGES.show();
    Label37.hide();
    Label38.hide();
    TEMPS.show();
    DUREES1.setCaption(" Moyenne des comptages ");
    eraseSeries();
    series.MAX_L = 40;
    series.SN_L = kCountsPerBuild;
    HISTO_THEORIQUE();
}

// With a theoretical origin, each click asks for 100 000 counts more than
// the series holds, as long as the series and its sums fit their counters.
void KolvenWindow::LANCER1_Click()
{
    const auto law = lawOfOrigin(series.DONNEES_T);
    if (!law)
        return;
    if (!anotherBuildFits(*law, mean.TEMPS_I, series.SN_L)) {
        showNotice(Notice::SeriesFull);
        return;
    }
    series.SN_L += kCountsPerBuild;
    series.MAX_L = 40;
    HISTO_THEORIQUE();
}

void KolvenWindow::HISTO_THEORIQUE()
{
    mean.TEMPS_S = static_cast<float>(mean.TEMPS_I) / 10.0f;
    const char separator = services.window.decimalSeparator();
    VAL_COMPT.hide();
    // The variance of either law equals its mean: both read-outs show it.
    const double thousandths = roundEven(static_cast<float>(mean.TEMPS_S * 1000.0f));
    Nmoyen.setCaption(" Nmoyen =" + localeText(thousandths / 1000, separator) + " ");
    Nmoyen.show();
    const double hundredths = roundEven(static_cast<float>(mean.TEMPS_S * 100.0f));
    EQM2_N.setCaption(" =" + localeText(hundredths / 100, separator) + " ");
    EQM2_N.show();
    SIGMA2.show();

    const bool built = kolven::HISTO_THEORIQUE(series.DONNEES_T, mean.TEMPS_I, {series.HISTO_COMPT, series.SN_L, series.S1_L, series.MOY_S}, laws);
    series.NMOYEN_T = localeText(series.MOY_S, separator);
    if (!built)
        return;

    NOMB_COMPT.setCaption(" Nombre de comptages =" + localeText(std::int64_t{series.SN_L}) + " ");
    NOMB_COMPT.show();
    ANALYSES.show();
    ANALYSES.setEnabled(true);
    unlockCommands();
    series.COMPTAGE_I = 0;

    const std::int32_t largest = largestBin();
    display.ECHELLEH_S = largest > 0 ? static_cast<float>(static_cast<double>(display.ECHELLEH0_L) / largest)
                             : baseScale(display.ECHELLEH0_L);
    if (F_V_P_Image.visible())
        display.ECHELLEH_S = baseScale(display.ECHELLEH0_L);
    TRACE_CADRE();
    TRACE_HISTO();
    series.MARCHE_I = 0;
    writeExportFile();
}

void KolvenWindow::wireTheoreticalSeries()
{
    LANCER1.onClick = [this] { LANCER1_Click(); };
    POISS.onClick = [this] { POISS_Click(); };
    GAUSSIEN.onClick = [this] { GAUSSIEN_Click(); };
}

}  // namespace kolven
