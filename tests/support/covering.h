#pragma once

#include <string>
#include <vector>

#include "shell/kolven_window.h"

namespace kolven::testing {

// The controls shown over an area of the window: every control on screen
// whose rectangle meets the area, among those stacked above `below` (all of
// them when `below` is null). Labels, lists and pictures are opaque.
inline std::vector<std::string> shownOver(const KolvenWindow& window, const platform::Rect& area,
                                          const platform::Control* below = nullptr) {
    std::vector<std::string> names;
    bool above = below == nullptr;
    for (const platform::Control* c : window.controls()) {
        if (c == below) {
            above = true;
            continue;
        }
        if (!above || !c->onScreen())
            continue;
        const platform::Rect r = c->windowRect();
        if (r.left < area.right() && area.left < r.right() && r.top < area.bottom() && area.top < r.bottom())
            names.push_back(c->name());
    }
    return names;
}

}  // namespace kolven::testing
