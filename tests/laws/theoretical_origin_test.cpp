#include <limits>

#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

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
