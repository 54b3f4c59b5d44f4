#include <gtest/gtest.h>

#include "aim.h"

namespace kolven::drive {
namespace {

// A pointer event is reported at its pixel's first twip, so the pixel aimed
// at must start inside the span, or the event lands on the next control.
TEST(Aim, TakesTheMiddleOfThePixelsStartingInsideTheSpan)
{
    struct Row {
        const char* name;
        int from, to, pixel;
    };
    for (const Row& row : {
             Row{"ten whole pixels 0 … 9", 0, 150, 4},
             Row{"pixels 1 and 2 start inside: the first of the two", 10, 40, 1},
             Row{"no pixel starts inside: the one holding the start", 16, 29, 1},
             Row{"one pixel exactly", 45, 60, 3},
         })
        EXPECT_EQ(middlePixel(row.from, row.to), row.pixel) << row.name;
}

}  // namespace
}  // namespace kolven::drive
