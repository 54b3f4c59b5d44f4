#pragma once

#include <string>

#include "core/held_intervals.h"

namespace kolven {

// Why the interval file at `path` gives no interval, in French, naming the
// file looked at; short, for a notice that must fit on one line.
std::string intervalFileRefusal(IntervalFileFault fault, const std::string& path);

}  // namespace kolven
