#include "page_queries.h"

#include <emscripten.h>

#include <string>

#include "aim.h"
#include "shell/kolven_window.h"
#include "state_dump.h"

namespace kolven::drive {

namespace {

const KolvenWindow* questioned = nullptr;
// The last answer; JavaScript reads it before it asks again.
std::string answer;

}  // namespace

void answerPageQueries(const KolvenWindow& window)
{
    questioned = &window;
}

}  // namespace kolven::drive

using kolven::drive::answer;
using kolven::drive::questioned;

extern "C" EMSCRIPTEN_KEEPALIVE const char* kolven_state_dump()
{
    answer = questioned ? kolven::dumpJson(*questioned) : "null";
    return answer.c_str();
}

// {"x", "y", "left", "top", "width", "height"} in pixels: the point the
// drive aims at on control `name`, or on entry `entry` of that list when
// entry >= 0, and the box of the control or of the entry's row. null for
// an unknown control or an entry of what is not a list.
extern "C" EMSCRIPTEN_KEEPALIVE const char* kolven_aim(const char* name, int entry)
{
    using namespace kolven::platform;
    const Control* c = questioned ? questioned->control(name) : nullptr;
    if (!c || (entry >= 0 && c->kind() != ControlKind::List)) {
        answer = "null";
        return answer.c_str();
    }
    Rect box = c->windowRect();
    kolven::drive::Pixel aim = kolven::drive::aimAt(*c);
    if (entry >= 0) {
        aim = kolven::drive::aimAtEntry(*c, entry);
        box = {box.left + kListFrame / 2, box.top + kListFrame / 2 + entry * c->itemHeight(), box.width - kListFrame,
               c->itemHeight()};
    }
    answer = "{\"x\": " + std::to_string(aim.x) + ", \"y\": " + std::to_string(aim.y) +
             ", \"left\": " + std::to_string(toPixels(box.left)) + ", \"top\": " + std::to_string(toPixels(box.top)) +
             ", \"width\": " + std::to_string(toPixels(box.width)) +
             ", \"height\": " + std::to_string(toPixels(box.height)) + "}";
    return answer.c_str();
}
