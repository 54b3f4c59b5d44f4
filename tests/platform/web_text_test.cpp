// A caption too wide for its label goes on to further lines at its blanks,
// in the browser as on the desktop. Widths at 8.25 points (11 pixels) from
// the Liberation Sans design units: "Nombre de" is 10 131 units, 54.4
// pixels; "comptages" 10 118 units, 54.3 pixels; the two with a blank
// between them 111.8 pixels.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/web/web_text.h"

namespace kolven::platform::web {
namespace {

TEST(WebText, CaptionsBreakAtBlanksWhenTooWide)
{
    struct Row {
        const char* name;
        const char* text;
        double width;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {"room for all stays one line", "Nombre de comptages", 1000, {"Nombre de comptages"}},
        {"room for two words of three", "Nombre de comptages", 60, {"Nombre de", "comptages"}},
        {"no room: a word a line", "Nombre de comptages", 0, {"Nombre", "de", "comptages"}},
        {"leading blanks kept, blanks at a break dropped", "  deux  mots", 0, {"  deux", "mots"}},
        {"an empty caption is one empty line", "", 0, {""}},
    };
    const Font font{"Microsoft Sans Serif", 8.25, false};
    for (const Row& row : rows)
        EXPECT_EQ(wrappedLines(font, row.text, row.width), row.lines) << row.name;
}

}  // namespace
}  // namespace kolven::platform::web
