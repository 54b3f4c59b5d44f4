#include <fstream>

#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

// Run-length entries of LANCER_N.
constexpr int kOne = 0, kTwo = 1, kFive = 2, kContinuous = 17;

using CountRunTest = WindowFixture;

// A single count runs without yielding, so its stop label never shows; a
// longer run shows the stop label and none of the commands while it lasts.
TEST_F(CountRunTest, ARunShowsOnlyTheStopLabelWhileItLastsAndThenItsReadOuts) {
    const struct { const char* name; int entry, counts, yields; const char* value, *number; } rows[] = {
        {"a single count", kOne, 1, 0, " Valeur du comptage =7 ", " Nombre de comptage =1 "},
        {"five counts", kFive, 5, 5, "", " Nombre de comptages =5 "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        startSimulation(kRegular, 7.0f);
        display.yields = 0;
        const auto commands = {&window->LANCER1, &window->EFFACERS,     &window->DUREES1,
                               &window->ORIGINE, &window->INFORMATIONS, &window->FIN};
        bool onlyStopShown = true;
        display.onYield = [&](int) { onlyStopShown &= window->ARRET_Label.onScreen() && visibleOf(commands).empty(); };
        run(row.entry);
        EXPECT_EQ(std::tuple(display.yields, onlyStopShown, window->series.HISTO_COMPT[7]),
                  std::tuple(row.yields, true, row.counts));
        EXPECT_EQ(std::tuple(seen(window->VAL_COMPT), window->NOMB_COMPT.caption()), std::tuple(row.value, row.number));
        EXPECT_EQ(unusableOf(commands), Names{});
        EXPECT_EQ(visibleOf({&window->ARRET_Label}), Names{});
    }
}

TEST_F(CountRunTest, APressOnTheStopLabelEndsTheRunAfterTheCountInProgress) {
    const struct { const char* name; int entry, stopAfter; } rows[] = {
        {"first count of a hundred", kHundred, 1},
        {"last but one of a hundred", kHundred, 99},
        {"continuous run", kContinuous, 2500},
    };
    for (const auto& row : rows) {
        startSimulation(kRegular, 9.0f);
        display.yields = 0;
        display.onYield = [&](int n) {
            if (n == row.stopAfter)
                press(window->ARRET_Label);
            if (n == row.stopAfter + 5)
                window->series.COMPTAGE_I = 0;  // a press that did not stop fails the test rather than hangs it
        };
        run(row.entry);
        EXPECT_EQ(std::tuple(window->series.SN_L, window->series.HISTO_COMPT[9], window->ARRET_Label.visible()),
                  std::tuple(row.stopAfter, row.stopAfter, false)) << row.name;
    }
}

// At TEMPS_S = 1: two intervals of 250 make a count of 1; 250, three hundred
// intervals of 1/16 (0.00025 each) and 250 make a count of 301.
TEST_F(CountRunTest, ACountAboveTheLimitIsReportedAndTheOthersAreClassed) {
    std::vector<double> intervals = {250, 250, 250};
    intervals.insert(intervals.end(), 300, 0.0625);
    intervals.insert(intervals.end(), 7, 250);
    startSimulation(intervals, 1.0f);
    run(kFive);
    EXPECT_EQ(seen(window->DEPASSE), "  Des valeurs du comptage dépassent la limite  située à 240  ");
    EXPECT_EQ(std::tuple(window->series.SN_L, window->series.HISTO_COMPT[1], window->series.S1_L), std::tuple(4, 4, 4));
    EXPECT_EQ(visibleOf({&window->Nmoyen, &window->EQM2_N, &window->SIGMA2}), Names{});
    EXPECT_FALSE(window->ANALYSES.enabled());
}

// The read-outs take the display's decimal separator, and the mean is read
// back from its text: with a decimal comma 0,5 reads as zero.
TEST_F(CountRunTest, ReadOutsAndTheAnalysisFollowTheCountsAndTheSeparator) {
    // At TEMPS_S = 1, 250 250 make a count of 1 and 300 (past the window
    // before any detection) a count of 0: counts 1, 0, 1, 0, mean 0.5,
    // σ² = 2/4 − 0.5² = 0.25.
    const std::vector<double> half = {250, 250, 300, 250, 250, 300, 250, 250, 300};
    const struct { const char* name; char separator; const std::vector<double>& intervals; float mean;
                   std::vector<int> runs; const char *meanText, *deviationText; bool analysis; } rows[] = {
        {"three counts are too few", ',', kRegular, 9.0f, {kTwo, kOne}, " Nmoyen =9 ", " =0 ", false},
        {"four counts are enough", ',', kRegular, 9.0f, {kTwo, kTwo}, " Nmoyen =9 ", " =0 ", true},
        {"0,5 reads as zero", ',', half, 1.0f, {kTwo, kTwo}, " Nmoyen =0,5 ", " =0,25 ", false},
        {"0.5 reads as a half", '.', half, 1.0f, {kTwo, kTwo}, " Nmoyen =0.5 ", " =0.25 ", true},
        {"a mean of zero", '.', kRegular, 0.1f, {kTwo, kTwo}, " Nmoyen =0 ", " =0 ", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        display.separator = row.separator;
        startSimulation(row.intervals, row.mean);
        for (int entry : row.runs)
            run(entry);
        EXPECT_EQ(window->Nmoyen.caption() + window->EQM2_N.caption(), std::string(row.meanText) + row.deviationText);
        EXPECT_EQ(std::pair(window->ANALYSES.visible(), window->ANALYSES.enabled()), std::pair(true, row.analysis));
    }
}

// The run also ends on the normalised scale, its tallest bar, 100, at the
// top. The notice names a long path, set smaller to stay inside the window.
TEST_F(CountRunTest, AnExportFolderThatCannotBeWrittenIsSaidOnceAndTheRunGoesOn) {
    writeIntervals(intervalText(kRegular));
    const std::string blocker = (exportRoot() / (std::string(200, 'x') + ".txt")).string();
    std::ofstream(blocker) << "not a folder";
    start(blocker);
    chooseSimulation();
    bool said = false;
    display.onYield = [&](int n) {
        if (n != 2)
            return;
        said = seen(window->AVIS).find("ne peut pas être écrit") != std::string::npos && window->AVIS.left() >= 0 &&
               window->AVIS.left() + window->AVIS.width() <= window->windowWidth();
        window->AVIS.hide();  // as if read and gone: it must not come back at every count
    };
    run(kHundred);
    // The notice is given once.
    EXPECT_EQ(std::tuple(window->series.SN_L, said, window->AVIS.visible()), std::tuple(100, true, false));
    EXPECT_EQ(std::pair(window->F_V_M_Image.visible(), seen(window->CONTENUS)), std::pair(true, std::string(" 100")));
}

TEST_F(CountRunTest, ClosingTheWindowDuringAContinuousRunEndsItCleanly) {
    startSimulation(kRegular, 9.0f);
    // The run ends before the window goes; once it is over the window may close.
    display.onYield = [&](int n) { EXPECT_FALSE(n == 50 && window->closeRequested()); };
    run(kContinuous);
    EXPECT_EQ(std::tuple(window->series.SN_L, display.ended, window->closeRequested()), std::tuple(50, true, true));
    EXPECT_NE(exportFile().find(" 9  50 \r\n"), std::string::npos);
}

TEST_F(CountRunTest, ABadIntervalFileStopsTheRunWithANoticeUntilAGoodOneIsThere) {
    enum Kind { Nothing, File, Folder };
    // In this order: each row's file replaces the good one of the row before.
    // `said` follows the file's path, or its name when none is found.
    const struct { const char* name; Kind kind; const char *content, *said; } rows[] = {
        {"missing", Nothing, nullptr, "KOLVEN_11.KVL introuvable"},
        {"empty", File, "", "/KOLVEN_11.KVL est vide"},
        {"text that is no number", File, "intervalles: aucun", "/KOLVEN_11.KVL ne contient aucun intervalle"},
        {"a folder of that name", Folder, nullptr, "/KOLVEN_11.KVL n'est pas un fichier ordinaire"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        display.yields = 0;
        if (row.kind == File)
            writeIntervals(row.content);
        start();
        const std::filesystem::path path = std::filesystem::path(files->workingDirectory()) / kIntervalFileName;
        if (row.kind == Folder) {
            std::filesystem::remove(path);
            std::filesystem::create_directory(path);
        }
        chooseSimulation();
        run(kHundred);
        // The run stops at its first count.
        EXPECT_EQ(std::tuple(window->series.SN_L, display.yields, window->LANCER1.visible()), std::tuple(0, 1, true));
        const std::string said = std::string(row.said) + " : comptage impossible  ", caption = seen(window->AVIS);
        EXPECT_TRUE(caption.size() > said.size() && caption.ends_with(said)) << caption;
        // A good file put in place later is taken.
        std::filesystem::remove(path);
        writeIntervals(intervalText(kRegular));
        run(kOne);
        EXPECT_EQ(std::pair(window->series.SN_L, window->AVIS.visible()), std::pair(1, false));
    }
}

// The file is entered a number of values from its start taken from the time
// of day: the seconds rounded (ties to even), less 100 until at most 100.
// Fifty values of 4 time units, then ten of 1: at mean 9 a count started on
// the fours reads 4 → 3.1, 7.1, then 11.1 closes: 2; on the ones it is 9.
TEST_F(CountRunTest, TheFileIsEnteredAtAPlaceTakenFromTheClock) {
    std::vector<double> values(50, 1000.0);
    values.insert(values.end(), 10, 250.0);
    const struct { const char* name; double timeOfDay; int skipped, firstCount; } rows[] = {
        {"midnight skips nothing", 0, 0, 2},
        {"150.5 rounds to the even 150, less 100", 150.5, 50, 9},
        {"the last second of the day skips a hundred, round to the 41st value", 86399.7, 100, 2},
    };
    for (const auto& row : rows) {
        clock.timeOfDay = row.timeOfDay;
        startSimulation(values, 9.0f);
        run(kOne);
        EXPECT_EQ((std::pair<int, int>(window->series.A_L, window->series.NC_I)), std::pair(row.skipped, row.firstCount))
            << row.name;
    }
}

// A series whose sums would pass what 32 bits hold stops its run and says
// so; the erase takes the notice away with the series.
TEST_F(CountRunTest, AFullSeriesStopsTheRunUntilItIsErased) {
    startSimulation(kRegular, 9.0f);
    window->series.S1_L = 2147483647 - 20;
    run(kHundred);
    EXPECT_EQ(window->series.SN_L, 2) << "two counts of 9 fit, the third does not";
    EXPECT_NE(seen(window->AVIS).find("effacez"), std::string::npos);
    hover(window->EFFACERS);
    click(window->EFFACERS);
    EXPECT_FALSE(window->AVIS.visible());
}

// At the start-up mean 9 (window 9, lead-in 0.9), in time units (× 250 in
// the file; every value prints exactly as intervalText writes it):
//  ten intervals of 1: lead-in ends at 1 (first detection at 0.1), then
//  1.1 … 8.1, and 9.1 closes: count 9.
//  then 634 intervals of 1/64: the lead-in takes 58 (58/64 > 0.9), the
//  first detection lies at 0.00625, 575 more fall below 9 and the next
//  closes: count 576, above 240, and the file is used up.
//  A third count wraps to the start of the file: 9 again.
TEST_F(CountRunTest, EffacerEmptiesASeriesThatExceededTheLimit) {
    // A run of two counts: 9 classed, 576 turned away.
    std::vector<double> intervals(10, 250);
    intervals.insert(intervals.end(), 634, 3.90625);
    startSimulation(intervals);
    run(kTwo);
    ASSERT_EQ(std::pair(window->series.HISTO_COMPT[9], window->DEPASSE.visible()), std::pair(1, true));

    // As a longer series would leave them; bin 241 is never set by counting
    // and never erased.
    for (Control* c : {&window->VAL_COMPT, &window->Nmoyen, &window->EQM2_N, &window->SIGMA2, &window->F_H_G_Image,
                       &window->F_V_P_Image, &window->F_V_M_Image})
        c->show();
    window->F_H_D_Image.hide();
    window->ANALYSES.setEnabled(true);
    window->series.HISTO_COMPT[0] = 3;
    window->series.HISTO_COMPT[240] = 2;
    window->series.HISTO_COMPT[241] = 7;
    hover(window->EFFACERS);
    click(window->EFFACERS);

    const SeriesState& series = window->series;
    EXPECT_EQ(std::tuple(series.SN_L, series.S1_L, series.S2N_D, series.MAX_L), std::tuple(0, 0, 0.0, 0));
    const Histogram& bins = series.HISTO_COMPT;
    EXPECT_EQ((std::vector{bins[0], bins[9], bins[240], bins[241]}),
              (std::vector{0, 0, 0, 7}));
    // Only the scroll arrows that can act: bins 0 to 80 are shown, none to the left.
    EXPECT_EQ(visibleOf({&window->DEPASSE, &window->NOMB_COMPT, &window->VAL_COMPT, &window->Nmoyen, &window->EQM2_N,
                         &window->SIGMA2, &window->F_H_G_Image, &window->F_V_P_Image, &window->F_V_M_Image,
                         &window->F_H_D_Image}),
              Names{"F_H_D_Image"});
    EXPECT_FALSE(window->EFFACERS.enabled() || window->ANALYSES.enabled());
    EXPECT_NE(exportFile().find("\r\n 9  1 \r\n"), std::string::npos) << "the file waits for the next count";

    // The next count, 9 again, is classed as the first of a new series.
    run(kOne);
    EXPECT_EQ(std::tuple(window->series.SN_L, window->series.HISTO_COMPT[9], seen(window->NOMB_COMPT),
                         window->Nmoyen.visible(), window->DEPASSE.visible()),
              std::tuple(1, 1, std::string(" Nombre de comptage =1 "), true, false));
}

}  // namespace
}  // namespace kolven::testing
