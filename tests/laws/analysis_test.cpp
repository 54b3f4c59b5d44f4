#include <string>
#include <vector>

#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

// Intervals that alternate so that counts at mean 3 vary: the walk through
// them gives a series with a spread, not one bin.
std::vector<double> spreadIntervals()
{
    std::vector<double> values;
    for (int i = 0; i < 200; ++i)
        values.push_back(i % 7 == 0 ? 900.0 : i % 3 == 0 ? 40.0 : 210.0);
    return values;
}

class AnalysisTest : public WindowFixture {
protected:
    // A counted series of a hundred counts at mean 3.
    void countASeries()
    {
        startSimulation(spreadIntervals(), 3.0f);
        run(kHundred);
    }

    std::vector<const Control*> columns() const
    {
        const KolvenWindow& w = *window;
        return {&w.NMOYENEX, &w.EQM2_EX, &w.SIGMA2EX, &w.NMOYENP, &w.EQM2_P,
                &w.SIGMA2P,  &w.NMOYENG, &w.EQM2_G,  &w.SIGMA2G};
    }
};

TEST_F(AnalysisTest, OpensTheComparisonOfACountedSeries)
{
    countASeries();
    const std::string title = window->DISTR_COMPTAGES.caption();
    const std::string mean = window->Nmoyen.caption();
    const std::string deviation = window->EQM2_N.caption();
    click(window->ANALYSES);

    EXPECT_TRUE(window->analysisShown());
    EXPECT_EQ(window->series.MODE_T, "HISTOGRAMMES");
    EXPECT_EQ(window->laws.TITRE_T, title);
    for (const Control* c : {&window->LANCER1, &window->DUREES1, &window->ORIGINE, &window->ANALYSES,
                             &window->CONTENUS, &window->Nmoyen, &window->EQM2_N, &window->SIGMA2,
                             &window->NOMB_COMPT, &window->TEMPS, &window->EFF_EXP})
        EXPECT_FALSE(c->visible()) << c->name();
    EXPECT_TRUE(window->EFFACERS.visible());
    EXPECT_FALSE(window->EFFACERS.enabled());
    for (const Control* c : columns())
        EXPECT_TRUE(c->visible()) << c->name();

    // The series' column reads its own measures; the laws' variance is the mean.
    for (const Control* c : {&window->NMOYENEX, &window->NMOYENP, &window->NMOYENG})
        EXPECT_EQ(c->caption(), mean);
    EXPECT_EQ(window->EQM2_EX.caption(), deviation);
    EXPECT_EQ(window->EQM2_P.caption(), " =" + window->series.NMOYEN_T);
    EXPECT_EQ(window->EQM2_G.caption(), " =" + window->series.NMOYEN_T);

    // Both laws for the series' own mean and size; the running total ends
    // on the number of counts; after the drawing nothing is selected, so the
    // first bin under the pointer is always read.
    EXPECT_EQ(window->laws.CUMUL_COMPT[240], window->series.SN_L);
    EXPECT_NEAR(window->laws.CUMUL_POIS[240], window->series.SN_L, 2);
    EXPECT_EQ(window->display.CURSEUR_I, window->display.HORIZON_I + 1);
}

// With a theoretical origin the origin's own law is the series: it is
// neither computed again nor tested against; the other law is computed for
// the series' mean and tested.
TEST_F(AnalysisTest, ATheoreticalOriginKeepsItsOwnLaw)
{
    const struct {
        const char* name;
        Control KolvenWindow::*choice;
        Histogram LawArrays::*kept;
        Histogram LawArrays::*computed;
        Control KolvenWindow::*untested;
        Control KolvenWindow::*tested;
    } rows[] = {
        {"Poisson", &KolvenWindow::POISS, &LawArrays::HISTO_POIS, &LawArrays::HISTO_GAUSS, &KolvenWindow::KHI2_P,
         &KolvenWindow::KHI2_G},
        {"Gauss", &KolvenWindow::GAUSSIEN, &LawArrays::HISTO_GAUSS, &LawArrays::HISTO_POIS, &KolvenWindow::KHI2_G,
         &KolvenWindow::KHI2_P},
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
        EXPECT_FALSE(window->DISTR_COMPTAGES.visible());
        EXPECT_FALSE(((*window).*row.untested).visible());
        EXPECT_TRUE(((*window).*row.tested).visible());
    }
}

TEST_F(AnalysisTest, ReturnBringsBackTheSeriesView)
{
    countASeries();
    const std::string title = window->DISTR_COMPTAGES.caption();
    click(window->ANALYSES);
    click(window->Label36);

    EXPECT_FALSE(window->analysisShown());
    EXPECT_EQ(window->series.MODE_T, "");
    EXPECT_EQ(window->DISTR_COMPTAGES.caption(), title);
    for (const Control* c : {&window->LANCER1, &window->EFFACERS, &window->DUREES1, &window->ORIGINE,
                             &window->ANALYSES, &window->INFORMATIONS})
        EXPECT_TRUE(c->visible() && c->enabled()) << c->name();
    for (const Control* c : {&window->TEMPS, &window->Nmoyen, &window->EQM2_N, &window->SIGMA2,
                             &window->NOMB_COMPT, &window->DISTR_COMPTAGES, &window->CONTENUS})
        EXPECT_TRUE(c->visible()) << c->name();
    for (const Control* c : columns())
        EXPECT_FALSE(c->visible()) << c->name();
    for (const Control* c : {&window->DISTR_POISSON, &window->DISTR_GAUSS, &window->SOMME_POIS,
                             &window->EFF_POI, &window->EFF_COMPT})
        EXPECT_FALSE(c->visible()) << c->name();
}

// A click that reaches the analysis during a run touches only the saved
// title, the place of EFF_COMPT, σ² and the vertical arrows.
TEST_F(AnalysisTest, DuringARunTheClickChangesAlmostNothing)
{
    startSimulation(spreadIntervals(), 3.0f);
    bool analysisOpened = false;
    display.onYield = [&](int yield) {
        if (yield != 5)
            return;
        window->ANALYSES_Click();
        analysisOpened = window->analysisShown() || window->series.MODE_T == "HISTOGRAMMES";
    };
    run(kHundred);
    EXPECT_FALSE(analysisOpened);
    EXPECT_EQ(window->laws.TITRE_T, window->DISTR_COMPTAGES.caption());
    EXPECT_EQ(window->EFF_COMPT.left(), window->DISTR_COMPTAGES.left());
    EXPECT_EQ(window->series.SN_L, 100);
}

}  // namespace
}  // namespace kolven::testing
