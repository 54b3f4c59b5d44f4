#include <cstdio>
#include <vector>

#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

// Run-length entries of LANCER_N.
constexpr int kOne = 0, kTwo = 1, kFive = 2, kHundred = 6, kContinuous = 17;

// Intervals all equal to 250: at TEMPS_S = t (whole) every count is t.
const std::vector<double> kRegular(50, 250.0);

// At TEMPS_S = 1: two intervals of 250 make a count of 1; 250, three hundred
// intervals of 1/16 (0.00025 each) and 250 make a count of 301.
std::vector<double> streamWithOneHugeCount()
{
    std::vector<double> values = {250, 250, 250};
    values.insert(values.end(), 300, 0.0625);
    values.insert(values.end(), {250, 250, 250, 250, 250, 250, 250});
    return values;
}

class CountRunTest : public WindowFixture {
protected:
    void startWith(const std::vector<double>& intervals, float mean)
    {
        writeIntervals(intervalText(intervals));
        start();
        chooseSimulation();
        window->TEMPS_S = mean;
    }
};

TEST_F(CountRunTest, SingleCountShowsItsValueAndNoStopLabel)
{
    startWith(kRegular, 7.0f);
    run(kOne);
    const KolvenWindow& w = *window;
    EXPECT_EQ(w.HISTO_COMPT[7], 1);
    EXPECT_EQ(w.SN_L, 1);
    EXPECT_TRUE(w.VAL_COMPT.visible());
    EXPECT_EQ(w.VAL_COMPT.caption(), " Valeur du comptage =7 ");
    EXPECT_EQ(w.NOMB_COMPT.caption(), " Nombre de comptage =1 ");
    EXPECT_EQ(w.Nmoyen.caption(), " Nmoyen =7 ");
    EXPECT_EQ(w.EQM2_N.caption(), " =0 ");
    EXPECT_EQ(display.yields, 0) << "a single count runs without yielding";
    EXPECT_FALSE(w.ARRET_Label.visible());
    EXPECT_EQ(w.MARCHE_I, 0);
    EXPECT_EQ(w.MODE_T, "C_1");
}

TEST_F(CountRunTest, ARunOfSeveralCountsHidesTheValueAndShowsTheStopLabelMeanwhile)
{
    startWith(kRegular, 3.0f);
    bool stopShown = true, commandsHidden = true;
    display.onYield = [&](int) {
        stopShown = stopShown && window->ARRET_Label.onScreen();
        for (const Control* c : {&window->LANCER1, &window->EFFACERS, &window->DUREES1, &window->ORIGINE,
                                 &window->ANALYSES, &window->INFORMATIONS, &window->FIN})
            commandsHidden = commandsHidden && !c->visible();
    };
    run(kFive);
    EXPECT_TRUE(stopShown);
    EXPECT_TRUE(commandsHidden);
    EXPECT_EQ(window->SN_L, 5);
    EXPECT_EQ(window->HISTO_COMPT[3], 5);
    EXPECT_FALSE(window->VAL_COMPT.visible());
    EXPECT_EQ(window->NOMB_COMPT.caption(), " Nombre de comptages =5 ");
    for (const Control* c : {&window->LANCER1, &window->EFFACERS, &window->DUREES1, &window->ORIGINE,
                             &window->INFORMATIONS, &window->FIN}) {
        EXPECT_TRUE(c->visible()) << c->name();
        EXPECT_TRUE(c->enabled()) << c->name();
    }
    EXPECT_FALSE(window->ARRET_Label.visible());
}

struct StopRow {
    const char* name;
    int entry;
    int stopAfter;
};

class StopTest : public CountRunTest, public ::testing::WithParamInterface<StopRow> {};

TEST_P(StopTest, APressOnTheStopLabelEndsTheRunAfterTheCountInProgress)
{
    startWith(kRegular, 9.0f);
    const StopRow& row = GetParam();
    display.onYield = [&](int n) {
        if (n == row.stopAfter)
            press(window->ARRET_Label);
    };
    run(row.entry);
    EXPECT_EQ(window->SN_L, row.stopAfter);
    EXPECT_EQ(window->HISTO_COMPT[9], row.stopAfter);
    EXPECT_EQ(window->COMPTAGE_I, 0);
    EXPECT_EQ(window->MARCHE_I, 0);
    EXPECT_FALSE(window->ARRET_Label.visible());
}

INSTANTIATE_TEST_SUITE_P(Runs, StopTest,
                         ::testing::Values(StopRow{"first_count_of_a_hundred", kHundred, 1},
                                           StopRow{"thirty_seventh_of_a_hundred", kHundred, 37},
                                           StopRow{"last_but_one_of_a_hundred", kHundred, 99},
                                           StopRow{"continuous_run", kContinuous, 2500}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CountRunTest, ACountAboveTheLimitIsReportedAndTheOthersAreClassed)
{
    startWith(streamWithOneHugeCount(), 1.0f);
    run(kFive);
    const KolvenWindow& w = *window;
    EXPECT_TRUE(w.DEPASSE.visible());
    EXPECT_EQ(w.DEPASSE.caption(), "  Des valeurs du comptage dépassent la limite  située à 240  ");
    EXPECT_EQ(w.SN_L, 4);
    EXPECT_EQ(w.HISTO_COMPT[1], 4);
    EXPECT_EQ(w.S1_L, 4);
    for (const Control* c : {&w.Nmoyen, &w.EQM2_N, &w.SIGMA2})
        EXPECT_FALSE(c->visible()) << c->name();
    EXPECT_FALSE(w.ANALYSES.enabled());
    EXPECT_EQ(w.DEPASSE.top(), w.EQM2_N.top());
    EXPECT_EQ(w.DEPASSE.left(), (w.windowWidth() - w.DEPASSE.width()) / 2);
}

struct AnalysisRow {
    const char* name;
    char separator;
    std::vector<double> intervals;
    float mean;
    std::vector<int> runs;
    bool enabled;
};

class AnalysisEnablingTest : public CountRunTest, public ::testing::WithParamInterface<AnalysisRow> {};

TEST_P(AnalysisEnablingTest, FollowsTheNumberOfCountsAndHowTheMeanReads)
{
    const AnalysisRow& row = GetParam();
    display.separator = row.separator;
    startWith(row.intervals, row.mean);
    for (int entry : row.runs)
        run(entry);
    EXPECT_TRUE(window->ANALYSES.visible());
    EXPECT_EQ(window->ANALYSES.enabled(), row.enabled) << window->NMOYEN_T;
}

// At TEMPS_S = 1, 250 250 make a count of 1 and 300 (past the window before
// any detection) a count of 0: counts 1, 0, 1, 0 … of mean 0.5.
const std::vector<double> kHalf = {250, 250, 300, 250, 250, 300, 250, 250, 300};

INSTANTIATE_TEST_SUITE_P(
    Series, AnalysisEnablingTest,
    ::testing::Values(AnalysisRow{"three_counts_are_too_few", ',', kRegular, 9.0f, {kTwo, kOne}, false},
                      AnalysisRow{"four_counts_are_enough", ',', kRegular, 9.0f, {kTwo, kTwo}, true},
                      AnalysisRow{"mean_0_comma_5_reads_as_zero", ',', kHalf, 1.0f, {kTwo, kTwo}, false},
                      AnalysisRow{"mean_0_point_5_reads_as_a_half", '.', kHalf, 1.0f, {kTwo, kTwo}, true},
                      AnalysisRow{"mean_zero", '.', kRegular, 0.1f, {kTwo, kTwo}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CountRunTest, TheExportFileHoldsTheHistogramAfterTheFirstCount)
{
    startWith(kRegular, 5.0f);
    run(kOne);
    std::string expected;
    for (int k = 0; k <= 240; ++k) {
        char line[32];
        std::snprintf(line, sizeof line, " %d  %d \r\n", k, k == 5 ? 1 : 0);
        expected += line;
    }
    EXPECT_EQ(exportFile(), expected);
    EXPECT_EQ(window->DISQUE_T, (exportRoot() / "KOLVEN16W").string());
}

TEST_F(CountRunTest, AnExportFolderThatCannotBeWrittenIsSaidOnceAndTheRunGoesOn)
{
    writeIntervals(intervalText(kRegular));
    std::ofstream(exportRoot() / "a-file") << "not a folder";
    start((exportRoot() / "a-file").string());
    chooseSimulation();
    std::uint64_t noticeVersion = 0;
    display.onYield = [&](int n) {
        if (n == 2)
            noticeVersion = window->AVIS.version();
    };
    run(kHundred);
    EXPECT_EQ(window->SN_L, 100);
    EXPECT_TRUE(window->AVIS.visible());
    EXPECT_NE(window->AVIS.caption().find("ne peut pas être écrit"), std::string::npos);
    EXPECT_EQ(window->AVIS.version(), noticeVersion) << "the notice is given once";
}

TEST_F(CountRunTest, ClosingTheWindowDuringAContinuousRunEndsItCleanly)
{
    startWith(kRegular, 9.0f);
    display.onYield = [&](int n) {
        if (n == 50)
            EXPECT_FALSE(window->closeRequested()) << "the run must end before the window goes";
    };
    run(kContinuous);
    EXPECT_EQ(window->SN_L, 50);
    EXPECT_TRUE(window->endRequested());
    EXPECT_TRUE(display.ended);
    const auto text = exportFile();
    ASSERT_TRUE(text);
    EXPECT_NE(text->find(" 9  50 \r\n"), std::string::npos);
    EXPECT_TRUE(window->closeRequested()) << "once the run is over the window may close";
}

struct BadFileRow {
    const char* name;
    std::optional<std::string> content;
};

class BadIntervalFileTest : public CountRunTest, public ::testing::WithParamInterface<BadFileRow> {};

TEST_P(BadIntervalFileTest, RefusesToCountWithANoticeAndNeverHangs)
{
    if (GetParam().content)
        writeIntervals(*GetParam().content);
    start();
    chooseSimulation();
    run(kHundred);
    EXPECT_EQ(window->SN_L, 0);
    EXPECT_EQ(display.yields, 1) << "the run stops at its first count";
    EXPECT_TRUE(window->AVIS.visible());
    EXPECT_NE(window->AVIS.caption().find("KOLVEN_11.KVL"), std::string::npos);
    EXPECT_TRUE(window->FICHIER_T.empty());
    EXPECT_TRUE(window->LANCER1.visible());

    writeIntervals(intervalText(kRegular));
    run(kOne);
    EXPECT_EQ(window->SN_L, 1) << "a good file put in place later is taken";
    EXPECT_FALSE(window->AVIS.visible());
}

INSTANTIATE_TEST_SUITE_P(Files, BadIntervalFileTest,
                         ::testing::Values(BadFileRow{"missing", std::nullopt}, BadFileRow{"empty", ""},
                                           BadFileRow{"separators_only", " , \r\n ,\n"},
                                           BadFileRow{"text_that_is_no_number", "intervalles: aucun"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CountRunTest, ALongRunEndsOnTheNormalisedScaleWithItsTallestBarAtTheTop)
{
    startWith(kRegular, 9.0f);
    run(kHundred);
    const KolvenWindow& w = *window;
    EXPECT_EQ(w.MAX_L, 100);
    EXPECT_TRUE(w.F_V_M_Image.visible());
    EXPECT_FALSE(w.F_V_P_Image.visible());
    EXPECT_EQ(w.CONTENUS.caption(), " 100");
    const auto bars = display.recorded.ofKind(RecordingSurface::Kind::Block);
    ASSERT_FALSE(bars.empty());
    EXPECT_EQ(bars.back().y1, w.CONTENUS.top() + w.CONTENUS.height());
    EXPECT_EQ(bars.back().y2, w.POSAXE_I);
}

TEST_F(CountRunTest, ABinScrolledOutOfThePlotIsCountedButNotDrawn)
{
    startWith(kRegular, 9.0f);
    window->ORIGINE_I = 20;
    const size_t before = display.recorded.ops.size();
    window->LANCER_N.setIndex(kOne);
    window->MODE_T = "C_0100";
    window->countProcedure();
    EXPECT_EQ(window->HISTO_COMPT[9], 1);
    for (size_t i = before; i < display.recorded.ops.size(); ++i)
        EXPECT_NE(display.recorded.ops[i].kind, RecordingSurface::Kind::Block);
}

}  // namespace
}  // namespace kolven::testing
