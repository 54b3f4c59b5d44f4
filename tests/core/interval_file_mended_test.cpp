#include <gtest/gtest.h>

#include <string>

#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

class MendedIntervalFileTest : public WindowFixture {};

// The file found at start-up is read then; a teacher who replaces a file
// the reading refused (empty, no number, no time) must not be told again of
// the old one at the next press.
TEST_F(MendedIntervalFileTest, AFileRefusedAtStartUpAndMendedSinceIsCountedFrom)
{
    const struct Row {
        const char* name;
        const char* refused;
    } rows[] = {
        {"empty", ""},
        {"no number", "abc"},
        {"only zeros", "0 0 0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        writeIntervals(row.refused);
        start();
        chooseSimulation();
        writeIntervals(intervalText({100, 100, 100, 100}));
        window->mean.TEMPS_S = 1.0f;
        run(0);
        EXPECT_EQ(window->series.SN_L, 1);
        EXPECT_FALSE(window->noticeShown(KolvenWindow::Notice::IntervalFile));
    }
}

}  // namespace
}  // namespace kolven::testing
