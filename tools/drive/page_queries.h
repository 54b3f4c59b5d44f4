#pragma once

namespace kolven {
class KolvenWindow;
}

namespace kolven::drive {

// Lets the page's tests question `window` once the drive is over, when
// their own events (a finger's taps) have moved it: kolven_state_dump()
// gives the state dump's line, kolven_aim(name, entry) where to touch.
void answerPageQueries(const KolvenWindow& window);

}  // namespace kolven::drive
