// When a run writes the export file: after every count of a run followed
// count by count, about once a frame in a fast run, and after a fast run's
// last count when the file lacks it.

#include <gtest/gtest.h>

#include <vector>

#include "core/export_rhythm.h"

namespace {

// Times in seconds; a frame is 1/60 s, some 16.7 ms. Each step is a count
// followed count by count (f), a count of a fast run (c), a count refused
// (r) or the run's end (e), with whether the file is written then.
struct Step {
    char what;
    double t;
    bool written;
};

TEST(ExportRhythm, WritesOnceAFrameInFastRunsAndAlwaysAtTheEnd)
{
    const struct {
        const char* name;
        std::vector<Step> steps;
    } rows[] = {
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
        kolven::ExportRhythm rhythm;
        for (std::size_t i = 0; i < row.steps.size(); ++i) {
            const Step& s = row.steps[i];
            const bool written = s.what == 'e'   ? rhythm.runEnded(s.t)
                                 : s.what == 'r' ? rhythm.countRefused(s.t)
                                                 : rhythm.countClassed(s.t, s.what == 'f');
            EXPECT_EQ(written, s.written) << "step " << i << ": " << s.what << " at " << s.t;
        }
    }
}

}  // namespace
