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
    EXPECT_FALSE(window->EFFACERS.enabled());
    EXPECT_EQ(visibleColumns().size(), 9u);

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

}  // namespace
}  // namespace kolven::testing
