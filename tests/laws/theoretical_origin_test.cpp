#include <limits>
#include <string>
#include <vector>

#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

class TheoreticalOriginTest : public WindowFixture {
protected:
    void SetUp() override { start(); }
};

// Each click on " Comptage(s) " asks for 100 000 more than the series holds,
// and the series then holds the total of the law's rounded bins.
TEST_F(TheoreticalOriginTest, EachClickAsksForAHundredThousandMoreCounts)
{
    const struct {
        const char* name;
        Control KolvenWindow::*choice;
        const char* title;
        std::vector<std::int32_t> series;  // after the choice, then after each click
    } rows[] = {
        {"Poisson", &KolvenWindow::POISS, " Histogramme théorique calculé avec POISSON ",
         {100001, 200000, 300000, 400002}},
        {"Gauss", &KolvenWindow::GAUSSIEN, " Histogramme théorique calculé avec GAUSS ",
         {99957, 199870, 299742, 399576}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        start();
        chooseLaw(row.choice, 100);
        for (std::size_t k = 0; k < row.series.size(); ++k) {
            if (k > 0)
                click(window->LANCER1);
            EXPECT_EQ(window->series.SN_L, row.series[k]);
        }
        EXPECT_EQ(window->DISTR_COMPTAGES.caption(), row.title);
        EXPECT_TRUE(window->DISTR_COMPTAGES.visible());
        EXPECT_EQ(window->NOMB_COMPT.caption(), " Nombre de comptages =" + std::to_string(row.series.back()) + " ");
        EXPECT_EQ(window->Nmoyen.caption(), " Nmoyen =10 ");
        EXPECT_EQ(window->EQM2_N.caption(), " =10 ");
        EXPECT_TRUE(window->ANALYSES.visible() && window->ANALYSES.enabled());
        EXPECT_TRUE(window->LANCER1.visible() && window->LANCER1.enabled());
        // The export file holds the series.
        EXPECT_NE(exportFile().find("\r\n 10  " + std::to_string(window->series.HISTO_COMPT[10]) + " \r\n"),
                  std::string::npos);
    }
}

// The choice paints itself white on blue and the other law as a choice.
TEST_F(TheoreticalOriginTest, TheChosenLawIsMarkedInTheMenuAndTheLimitMessageGoes)
{
    window->DEPASSE.show();  // left by a simulated series that passed 240
    chooseLaw(&KolvenWindow::GAUSSIEN, 100);
    EXPECT_FALSE(window->DEPASSE.visible());
    EXPECT_EQ(window->GAUSSIEN.fore(), platform::colors::white);
    EXPECT_EQ(window->GAUSSIEN.back(), platform::rgb(50, 110, 200));
    EXPECT_EQ(window->POISS.fore(), platform::colors::blue);
    EXPECT_EQ(window->POISS.back(), platform::colors::lightGrey);
    EXPECT_EQ(window->series.DONNEES_T, "GAUSS");
}

TEST_F(TheoreticalOriginTest, ACountedOriginIgnoresAClickOnTheCommand)
{
    chooseSimulation();
    click(window->LANCER1);
    EXPECT_EQ(window->series.SN_L, 0);
    EXPECT_FALSE(window->NOMB_COMPT.visible());
}

// A click whose series would not fit its 32-bit counters builds nothing and
// says why; erasing the series withdraws the notice.
TEST_F(TheoreticalOriginTest, ASeriesPastTheCountersIsRefusedWithANotice)
{
    chooseLaw(&KolvenWindow::POISS, 100);
    const std::int32_t nearFull = std::numeric_limits<std::int32_t>::max() / 10 - 50000;
    window->series.SN_L = nearFull;
    const Histogram before = window->series.HISTO_COMPT;
    click(window->LANCER1);
    EXPECT_EQ(window->series.SN_L, nearFull);
    EXPECT_EQ(window->series.HISTO_COMPT, before);
    EXPECT_TRUE(window->noticeShown(KolvenWindow::Notice::SeriesFull));
    click(window->EFFACERS);
    EXPECT_FALSE(window->AVIS.visible());
}

}  // namespace
}  // namespace kolven::testing
