#include <cmath>
#include <limits>

#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

// Intervals that alternate so that counts at mean 3 vary: the walk through
// them gives a series with a spread, not one bin.
std::vector<double> spreadIntervals() {
    std::vector<double> values;
    for (int i = 0; i < 200; ++i)
        values.push_back(i % 7 == 0 ? 900.0 : i % 3 == 0 ? 40.0 : 210.0);
    return values;
}

class AnalysisTest : public WindowFixture {
protected:
    // A counted series of a hundred counts at mean 3.
    void countASeries() {
        startSimulation(spreadIntervals(), 3.0f);
        run(kHundred);
    }

    Names visibleColumns() const {
        const KolvenWindow& w = *window;
        return visibleOf({&w.NMOYENEX, &w.EQM2_EX, &w.SIGMA2EX, &w.NMOYENP, &w.EQM2_P, &w.SIGMA2P, &w.NMOYENG, &w.EQM2_G,
                          &w.SIGMA2G});
    }
};

TEST_F(AnalysisTest, OpensTheComparisonOfACountedSeries) {
    countASeries();
    const std::string title = window->DISTR_COMPTAGES.caption();
    const std::string mean = window->Nmoyen.caption();
    const std::string deviation = window->EQM2_N.caption();
    click(window->ANALYSES);

    EXPECT_EQ(std::tuple(window->analysisShown(), window->series.MODE_T, window->laws.TITRE_T),
              std::tuple(true, "HISTOGRAMMES", title));
    EXPECT_EQ(visibleOf({&window->LANCER1, &window->DUREES1, &window->ORIGINE, &window->ANALYSES, &window->CONTENUS,
                         &window->Nmoyen, &window->EQM2_N, &window->SIGMA2, &window->NOMB_COMPT, &window->TEMPS,
                         &window->EFF_EXP, &window->EFFACERS}),
              Names{"EFFACERS"});
    EXPECT_EQ(std::pair(window->EFFACERS.enabled(), visibleColumns().size()), std::pair(false, std::size_t{9}));

    // The series' column reads its own measures; the laws' variance is the mean.
    const std::string variance = " =" + window->series.NMOYEN_T;
    EXPECT_EQ((Names{window->NMOYENEX.caption(), window->NMOYENP.caption(), window->NMOYENG.caption(),
                     window->EQM2_EX.caption(), window->EQM2_P.caption(), window->EQM2_G.caption()}),
              (Names{mean, mean, mean, deviation, variance, variance}));

    // Both laws for the series' own mean and size; the running total ends
    // on the number of counts; after the drawing nothing is selected, so the
    // first bin under the pointer is always read.
    EXPECT_EQ((std::pair<int, int>(window->laws.CUMUL_COMPT[240], window->display.CURSEUR_I)),
              std::pair(window->series.SN_L, window->display.HORIZON_I + 1));
    EXPECT_NEAR(window->laws.CUMUL_POIS[240], window->series.SN_L, 2);
}

// With a theoretical origin the origin's own law is the series: it is
// neither computed again nor tested against; the other law is computed for
// the series' mean and tested.
TEST_F(AnalysisTest, ATheoreticalOriginKeepsItsOwnLaw) {
    using W = KolvenWindow;
    using L = LawArrays;
    const struct { const char* name; Control W::*choice; Histogram L::*kept, L::*computed;
                   Control W::*untested, W::*tested; } rows[] = {
        {"Poisson", &W::POISS, &L::HISTO_POIS, &L::HISTO_GAUSS, &W::KHI2_P, &W::KHI2_G},
        {"Gauss", &W::GAUSSIEN, &L::HISTO_GAUSS, &L::HISTO_POIS, &W::KHI2_G, &W::KHI2_P},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        start();
        chooseLaw(row.choice, 25);
        window->laws.*(row.computed) = Histogram{};
        (window->laws.*(row.kept))[0] = -1;  // a mark: recomputing would overwrite it
        click(window->ANALYSES);
        EXPECT_EQ((window->laws.*(row.kept))[0], -1);
        EXPECT_NE((window->laws.*(row.computed))[9], 0) << "the other law is computed";
        EXPECT_EQ(visibleOf({&window->DISTR_COMPTAGES, &((*window).*row.untested), &((*window).*row.tested)}),
                  Names{((*window).*row.tested).name()});
    }
}

TEST_F(AnalysisTest, ReturnBringsBackTheSeriesView) {
    countASeries();
    const std::string title = window->DISTR_COMPTAGES.caption();
    click(window->ANALYSES);
    click(window->Label36);

    EXPECT_EQ(std::tuple(window->analysisShown(), window->series.MODE_T, window->DISTR_COMPTAGES.caption()),
              std::tuple(false, "", title));
    const auto commands = {&window->LANCER1, &window->EFFACERS, &window->DUREES1, &window->ORIGINE, &window->ANALYSES,
                           &window->INFORMATIONS};
    EXPECT_EQ(unusableOf(commands), Names{});
    const auto series = {&window->TEMPS, &window->Nmoyen, &window->EQM2_N, &window->SIGMA2, &window->NOMB_COMPT,
                         &window->DISTR_COMPTAGES, &window->CONTENUS};
    EXPECT_EQ(hiddenOf(series), Names{});
    EXPECT_EQ(visibleColumns(), Names{});
    EXPECT_EQ(visibleOf({&window->DISTR_POISSON, &window->DISTR_GAUSS, &window->SOMME_POIS, &window->EFF_POI,
                         &window->EFF_COMPT}), Names{});
}

// A click that reaches the analysis during a run touches only the saved
// title, the place of EFF_COMPT, σ² and the vertical arrows.
TEST_F(AnalysisTest, DuringARunTheClickChangesAlmostNothing) {
    startSimulation(spreadIntervals(), 3.0f);
    bool analysisOpened = false;
    display.onYield = [&](int yield) {
        if (yield != 5)
            return;
        window->ANALYSES_Click();
        analysisOpened = window->analysisShown() || window->series.MODE_T == "HISTOGRAMMES";
    };
    run(kHundred);
    EXPECT_EQ(std::tuple(analysisOpened, window->laws.TITRE_T, window->EFF_COMPT.left(), window->series.SN_L),
              std::tuple(false, window->DISTR_COMPTAGES.caption(), window->DISTR_COMPTAGES.left(), 100));
}

class ChiSquareWindowTest : public WindowFixture {
protected:
    // A run leaves the window ready for the analysis; the series is then
    // replaced by one worked out by hand (counts per bin from 0).
    void countThenReplaceBy(const std::vector<int>& bins) {
        startSimulation(std::vector<double>(300, 100.0), 3.0f);
        run(kHundred);
        replaceBy(bins);
    }
    void replaceBy(const std::vector<int>& bins) {
        window->series.HISTO_COMPT = {};
        window->series.SN_L = window->series.S1_L = 0;
        for (int k = 0; k < static_cast<int>(bins.size()); ++k) {
            window->series.HISTO_COMPT[k] = bins[k];
            window->series.SN_L += bins[k];
            window->series.S1_L += k * bins[k];
        }
    }
    Names linesShown() const {
        return visibleOf({&window->KHI2_P, &window->SEUIL_P, &window->KHI2_G, &window->SEUIL_G});
    }
    std::string lineTexts() const {
        return window->KHI2_P.caption() + '|' + window->SEUIL_P.caption() + '|' + window->KHI2_G.caption() + '|' +
               window->SEUIL_G.caption();
    }
    const Names all = {"KHI2_P", "SEUIL_P", "KHI2_G", "SEUIL_G"};
};

// χ², ν and p of both series were worked out with mpmath (30 digits);
// both have the classes 0–2, 3, 4, 5, 6 and 7–240.
TEST_F(ChiSquareWindowTest, LinesUnderEachLawComeAndGoWithTheAnalysis) {
    // 50 counts at mean 4.22, spread far wider than either law:
    // Poisson χ² = 29.287, Gauss χ² = 31.751, p of the order of 10⁻⁶.
    countThenReplaceBy({8, 6, 4, 3, 3, 4, 6, 8, 8});
    click(window->ANALYSES);
    EXPECT_EQ(lineTexts(), " χ² = 29.29  ddl = 4  p < 0.01 | rejetée au seuil de 5 % |"
                           " χ² = 31.75  ddl = 4  p < 0.01 | rejetée au seuil de 5 % ");
    EXPECT_NEAR(window->chiSquarePoisson.KHI2_D, 29.287225, 1e-5);
    EXPECT_EQ(window->chiSquareGauss.DDL_I, 4);
    EXPECT_NEAR(window->chiSquareGauss.P_D, 2.1510e-6, 1e-9);
    // Under σ², the first line first, in the column's colours.
    EXPECT_EQ(linesShown(), all);
    EXPECT_GE(window->KHI2_P.top(), window->EQM2_P.top() + window->EQM2_P.height());
    EXPECT_GE(window->SEUIL_G.top(), window->KHI2_G.top() + window->KHI2_G.height());
    EXPECT_EQ(window->KHI2_G.fore(), window->EQM2_G.fore());

    // They give way to the bin read-outs, whose rows they share, while the
    // pointer reads a bin, and come back when it leaves the plot.
    const platform::Rect axis = window->DISTR_POISSON.windowRect();
    window->pointerMoved(axis.left + axis.width / 2, window->display.POSAXE_I - 300);
    EXPECT_EQ(std::pair(window->EFF_POI.visible(), linesShown()), std::pair(true, Names{}));
    const platform::Rect deviation = window->EQM2_P.windowRect();
    window->pointerMoved(deviation.left + deviation.width + 300, deviation.top + deviation.height / 2);
    EXPECT_EQ(std::pair(window->EFF_POI.visible(), linesShown()), std::pair(false, all));
    // The information menu opens over the Gauss column, which it hides.
    hover(window->INFORMATIONS);
    EXPECT_EQ(linesShown(), (Names{"KHI2_P", "SEUIL_P"}));
    hover(window->Label36);
    EXPECT_EQ(linesShown(), all);

    click(window->Label36);
    EXPECT_EQ(linesShown(), Names{});
    EXPECT_TRUE(std::isnan(window->chiSquarePoisson.KHI2_D) && window->chiSquarePoisson.DDL_I == 0);

    // A new analysis tests the series as it is now: 50 counts at mean 4,
    // Poisson χ² = 0.1188 (p = 0.9983), Gauss χ² = 0.5570 (p = 0.9677).
    replaceBy({1, 4, 7, 9, 10, 8, 5, 3, 3});
    click(window->ANALYSES);
    EXPECT_EQ(lineTexts(), " χ² = 0.12  ddl = 4  p = 1 | compatible au seuil de 5 % |"
                           " χ² = 0.56  ddl = 4  p = 0.97 | compatible au seuil de 5 % ");
    EXPECT_NEAR(window->chiSquarePoisson.KHI2_D, 0.11881963632013277, 1e-9);
    EXPECT_NEAR(window->chiSquareGauss.P_D, 0.96772202278749832, 1e-9);
}

class TheoreticalOriginTest : public WindowFixture {
protected:
    void SetUp() override { start(); }
};

// Each click on " Comptage(s) " asks for 100 000 more than the series holds,
// and the series then holds the total of the law's rounded bins.
TEST_F(TheoreticalOriginTest, EachClickAsksForAHundredThousandMoreCounts) {
    // The series after the choice, then after each click.
    using W = KolvenWindow;
    const struct { const char* name; Control W::*choice; const char* title; std::vector<int> series; } rows[] = {
        {"Poisson", &W::POISS, " Histogramme théorique calculé avec POISSON ", {100001, 200000, 300000, 400002}},
        {"Gauss", &W::GAUSSIEN, " Histogramme théorique calculé avec GAUSS ", {99957, 199870, 299742, 399576}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        start();
        chooseLaw(row.choice, 100);
        std::vector<int> series = {window->series.SN_L};
        for (int k = 1; k < 4; ++k) {
            click(window->LANCER1);
            series.push_back(window->series.SN_L);
        }
        EXPECT_EQ(series, row.series);
        const std::string number = " Nombre de comptages =" + std::to_string(row.series.back()) + " ";
        EXPECT_EQ(seen(window->DISTR_COMPTAGES) + seen(window->NOMB_COMPT) + seen(window->Nmoyen) + seen(window->EQM2_N),
                  row.title + number + " Nmoyen =10  =10 ");
        EXPECT_EQ(unusableOf({&window->ANALYSES, &window->LANCER1}), Names{});
        // The export file holds the series.
        EXPECT_NE(exportFile().find("\r\n 10  " + std::to_string(window->series.HISTO_COMPT[10]) + " \r\n"),
                  std::string::npos);
    }
}

// The choice paints itself white on blue and the other law as a choice.
TEST_F(TheoreticalOriginTest, TheChosenLawIsMarkedInTheMenuAndTheLimitMessageGoes) {
    window->DEPASSE.show();  // left by a simulated series that passed 240
    chooseLaw(&KolvenWindow::GAUSSIEN, 100);
    EXPECT_EQ(std::pair(window->DEPASSE.visible(), window->series.DONNEES_T), std::pair(false, std::string("GAUSS")));
    const Control &gauss = window->GAUSSIEN, &poisson = window->POISS;
    EXPECT_EQ((std::vector{gauss.fore(), gauss.back(), poisson.fore(), poisson.back()}),
              (std::vector{platform::colors::white, platform::rgb(50, 110, 200), platform::colors::blue,
                           platform::colors::lightGrey}));
}

TEST_F(TheoreticalOriginTest, ACountedOriginIgnoresAClickOnTheCommand) {
    chooseSimulation();
    click(window->LANCER1);
    EXPECT_EQ(std::pair(window->series.SN_L, window->NOMB_COMPT.visible()), std::pair(0, false));
}

// A click whose series would not fit its 32-bit counters builds nothing and
// says why; erasing the series withdraws the notice.
TEST_F(TheoreticalOriginTest, ASeriesPastTheCountersIsRefusedWithANotice) {
    chooseLaw(&KolvenWindow::POISS, 100);
    const std::int32_t nearFull = std::numeric_limits<std::int32_t>::max() / 10 - 50000;
    window->series.SN_L = nearFull;
    const Histogram before = window->series.HISTO_COMPT;
    click(window->LANCER1);
    EXPECT_EQ(std::tuple(window->series.SN_L, window->series.HISTO_COMPT,
                         window->noticeShown(KolvenWindow::Notice::SeriesFull)),
              std::tuple(nearFull, before, true));
    click(window->EFFACERS);
    EXPECT_FALSE(window->AVIS.visible());
}

}  // namespace
}  // namespace kolven::testing
