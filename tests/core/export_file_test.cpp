// The export file's plain parts: its bytes (241 lines " k  n \r\n" for k = 0
// … 240), when a run writes it, and the notice that says a trouble with it.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/export_rhythm.h"
#include "core/export_text.h"
#include "core/export_writer.h"

namespace kolven {
namespace {

using platform::WriteOutcome;

// The same text built another way: each number as to_string with its two blanks.
std::string linesFor(const Histogram& histogram) {
    std::string text;
    for (int k = 0; k <= 240; ++k)
        text += ' ' + std::to_string(k) + "  " + std::to_string(histogram[k]) + " \r\n";
    return text;
}

// The text is kept between writings and only changed lines are rewritten:
// lines that grow or shrink must move everything after them.
TEST(ExportText, FollowsTheHistogramFromOneWritingToTheNext) {
    const struct { const char* name; int value; std::int32_t counts; } steps[] = {
        {"nothing counted yet", 0, 0},
        {"a first count of 9", 9, 1},
        {"bin 9 grows to two digits", 9, 10},
        {"a count at the first value", 0, 1},
        {"a count at the last value", 240, 1},
        {"bin 241 is never written", 241, 9},
        {"bin 9 grows to seven digits", 9, 1'000'000},
        {"bin 9 falls back to nothing", 9, 0},
        {"bin 0 jumps to ten digits", 0, 2'000'000'000},
        {"the longest line: 240 holding the largest count", 240, 2'147'483'647},
    };
    ExportText exportText;
    Histogram histogram{};
    for (const auto& step : steps) {
        histogram[step.value] = step.counts;
        EXPECT_EQ(exportText.render(histogram), linesFor(histogram)) << step.name;
    }
    histogram = {};
    EXPECT_EQ(exportText.render(histogram), linesFor(histogram)) << "after an erase";
    EXPECT_EQ(exportText.render(histogram), linesFor(histogram)) << "two writings in a row";
    // A theoretical build changes every bin at once, lines growing and
    // shrinking side by side.
    for (int k = 0; k <= 240; ++k)
        histogram[k] = k % 3 == 0 ? 7 : k % 3 == 1 ? 123'456 : 0;
    EXPECT_EQ(exportText.render(histogram), linesFor(histogram)) << "every bin at once";
    for (int k = 0; k <= 240; ++k)
        histogram[k] = k % 3 == 0 ? 98'765 : k % 3 == 1 ? 4 : 1'000'000'000;
    EXPECT_EQ(exportText.render(histogram), linesFor(histogram)) << "every bin at once, again";
}

// Times in seconds; a frame is 1/60 s, some 16.7 ms. Each step is a count
// followed count by count (f), a count of a fast run (c), a count refused
// (r) or the run's end (e), with whether the file is written then: after
// every count of a run followed count by count, about once a frame in a
// fast run, and after a fast run's last count when the file lacks it.
struct Step { char what; double t; bool written; };

TEST(ExportRhythm, WritesOnceAFrameInFastRunsAndAlwaysAtTheEnd) {
    const struct { const char* name; std::vector<Step> steps; } rows[] = {
        {"followed count by count: every count, however close; a second end writes nothing",
         {{'f', 0, true}, {'f', 0.001, true}, {'f', 0.002, true}, {'e', 0.002, false}, {'e', 0.002, false}}},
        {"fast: the first count, then the first one a frame later",
         {{'c', 5.000, true}, {'c', 5.005, false}, {'c', 5.010, false}, {'c', 5.017, true}, {'c', 5.025, false},
          {'c', 5.034, true}, {'e', 5.034, false}}},
        {"fast: counts left out after the last writing are written at the end, once",
         {{'c', 5.000, true}, {'c', 5.008, false}, {'e', 5.008, true}, {'e', 5.008, false}}},
        {"the writing at the end starts a frame for a fast run that follows at once",
         {{'c', 1.0, true}, {'c', 1.01, false}, {'e', 1.01, true}, {'c', 1.02, false}, {'c', 1.027, true}}},
        {"refused counts bring a deferred one to the file once a frame has gone by, and only then",
         {{'r', 0.5, false}, {'c', 1.0, true}, {'r', 1.005, false}, {'c', 1.008, false}, {'r', 1.012, false},
          {'r', 1.02, true}, {'r', 1.05, false}, {'e', 1.06, false}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ExportRhythm rhythm;
        for (std::size_t i = 0; i < row.steps.size(); ++i) {
            const Step& s = row.steps[i];
            const bool written = s.what == 'e'   ? rhythm.runEnded(s.t)
                                 : s.what == 'r' ? rhythm.countRefused(s.t)
                                                 : rhythm.countClassed(s.t, s.what == 'f');
            EXPECT_EQ(written, s.written) << "step " << i << ": " << s.what << " at " << s.t;
        }
    }
}

// A file whose writings end as the test says.
class ScriptedFile final : public platform::ReplacedFile {
public:
    WriteOutcome write(std::string_view text) override {
        last = text;
        return outcome;
    }
    const std::string& path() const override { return m_path; }

    WriteOutcome outcome = WriteOutcome::Written;
    std::string last;

private:
    std::string m_path = "/mnt/classe/KOLVEN16W/KOLVEN16W.TXT";
};

// The notice: a trouble said once when it begins or changes, withdrawn when
// a writing succeeds again; the histogram is written whatever the trouble.
TEST(ExportWriter, SaysATroubleOnceAndWithdrawsItWhenOver) {
    const struct { WriteOutcome outcome; NoticeChange change; } steps[] = {
        {WriteOutcome::Written, NoticeChange::None},
        {WriteOutcome::Failed, NoticeChange::Show},
        {WriteOutcome::Failed, NoticeChange::None},
        {WriteOutcome::FileIsLink, NoticeChange::Show},
        {WriteOutcome::Written, NoticeChange::Withdraw},
        {WriteOutcome::Written, NoticeChange::None},
    };
    ScriptedFile file;
    ExportWriter writer;
    Histogram histogram{};
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(i);
        histogram[3] = static_cast<int>(i);
        file.outcome = steps[i].outcome;
        EXPECT_EQ(writer.write(file, histogram), steps[i].change);
        EXPECT_NE(file.last.find("\r\n 3  " + std::to_string(i) + " \r\n"), std::string::npos);
    }
}

TEST(ExportWriter, TheNoticeSaysWhy) {
    const struct { WriteOutcome outcome; const char* text; } rows[] = {
        {WriteOutcome::Failed, "  Le fichier /mnt/classe/KOLVEN16W/KOLVEN16W.TXT ne peut pas être écrit : l'histogramme n'y est pas exporté  "},
        {WriteOutcome::FolderIsLink, "  Export de l'histogramme refusé : le dossier /mnt/classe/KOLVEN16W est un lien  "},
        {WriteOutcome::FolderNotOwned, "  Export de l'histogramme refusé : le dossier /mnt/classe/KOLVEN16W appartient à un autre utilisateur  "},
        {WriteOutcome::FileIsLink, "  Export de l'histogramme refusé : le fichier /mnt/classe/KOLVEN16W/KOLVEN16W.TXT est un lien  "},
    };
    for (const auto& row : rows) {
        ScriptedFile file;
        file.outcome = row.outcome;
        ExportWriter writer;
        writer.write(file, {});
        EXPECT_EQ(writer.noticeText(file.path()), row.text);
    }
}

}  // namespace
}  // namespace kolven
