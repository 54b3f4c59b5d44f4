#include <cmath>

#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

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
    EXPECT_TRUE(std::isnan(window->chiSquarePoisson.KHI2_D));
    EXPECT_EQ(window->chiSquarePoisson.DDL_I, 0);

    // A new analysis tests the series as it is now: 50 counts at mean 4,
    // Poisson χ² = 0.1188 (p = 0.9983), Gauss χ² = 0.5570 (p = 0.9677).
    replaceBy({1, 4, 7, 9, 10, 8, 5, 3, 3});
    click(window->ANALYSES);
    EXPECT_EQ(lineTexts(), " χ² = 0.12  ddl = 4  p = 1 | compatible au seuil de 5 % |"
                           " χ² = 0.56  ddl = 4  p = 0.97 | compatible au seuil de 5 % ");
    EXPECT_NEAR(window->chiSquarePoisson.KHI2_D, 0.11881963632013277, 1e-9);
    EXPECT_NEAR(window->chiSquareGauss.P_D, 0.96772202278749832, 1e-9);
}

}  // namespace
}  // namespace kolven::testing
