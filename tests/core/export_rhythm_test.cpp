// When a run writes the export file: after every count of a run followed
// count by count, about once a frame in a fast run, and after a fast run's
// last count when the file lacks it.

#include <gtest/gtest.h>

#include <vector>

#include "core/export_rhythm.h"

namespace {

using kolven::ExportRhythm;

TEST(ExportRhythm, WritesOnceAFrameInFastRunsAndAlwaysAtTheEnd)
{
    // Times in seconds; a frame is 1/60 s, some 16.7 ms.
    const struct {
        const char* name;
        bool countByCount;
        std::vector<double> counts;  // the times the counts are classed
        std::vector<bool> written;   // the file written after each
        bool writtenAtTheEnd;
    } rows[] = {
        {"followed count by count: every count, however close", true, {0, 0.001, 0.002}, {true, true, true}, false},
        {"fast: the first count, then the first one a frame later",
         false,
         {5.000, 5.005, 5.010, 5.017, 5.025, 5.034},
         {true, false, false, true, false, true},
         false},
        {"fast: counts left out after the last writing are written at the end", false, {5.000, 5.008}, {true, false},
         true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ExportRhythm rhythm;
        std::vector<bool> written;
        for (double t : row.counts)
            written.push_back(rhythm.countClassed(t, row.countByCount));
        EXPECT_EQ(written, row.written);
        EXPECT_EQ(rhythm.runEnded(row.counts.back()), row.writtenAtTheEnd);
        EXPECT_FALSE(rhythm.runEnded(row.counts.back())) << "a second end finds nothing to write";
    }
}

// The writing at a run's end counts as a writing: a fast run that follows
// at once waits a frame.
TEST(ExportRhythm, TheWritingAtTheEndOfARunStartsAFrame)
{
    ExportRhythm rhythm;
    EXPECT_TRUE(rhythm.countClassed(1.0, false));
    EXPECT_FALSE(rhythm.countClassed(1.01, false));
    EXPECT_TRUE(rhythm.runEnded(1.01));
    EXPECT_FALSE(rhythm.countClassed(1.02, false));
    EXPECT_TRUE(rhythm.countClassed(1.027, false));
}

// Counts refused after a deferred one bring the file up to date once a
// frame has gone by, and only then; with nothing deferred they write nothing.
TEST(ExportRhythm, RefusedCountsDoNotLeaveTheFileBehind)
{
    ExportRhythm rhythm;
    EXPECT_FALSE(rhythm.countRefused(0.5)) << "nothing written yet, nothing deferred";
    EXPECT_TRUE(rhythm.countClassed(1.0, false));
    EXPECT_FALSE(rhythm.countRefused(1.005));
    EXPECT_FALSE(rhythm.countClassed(1.008, false));
    EXPECT_FALSE(rhythm.countRefused(1.012)) << "within the frame";
    EXPECT_TRUE(rhythm.countRefused(1.02));
    EXPECT_FALSE(rhythm.countRefused(1.05)) << "up to date";
    EXPECT_FALSE(rhythm.runEnded(1.06));
}

}  // namespace
