#pragma once

#include <functional>

#include "window_probe.h"

namespace kolven::bench {

// Clicks on one control, each timed from the pointer's release to the end
// of the window's next paint; medians over the clicks.
struct Latency {
    int clicks = 0;
    double totalMs = 0;    // release to the end of the next paint
    double handlerMs = 0;  // release to the handler's return
    double pixels = 0;     // pixels of that paint
};

// `ready` brings the control on the screen before each click (a menu
// hovered open), `after` undoes what the click did if it must be.
Latency clickLatency(WindowProbe& probe, const platform::Control& target, int clicks,
                     const std::function<void()>& ready = {}, const std::function<void()>& after = {});

// The window after a real run of `counts` simulated counts at the window's
// mean, its series view painted.
void countSeries(WindowProbe& probe, int runLengthEntry);

}  // namespace kolven::bench
