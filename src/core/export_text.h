#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kolven {

using Histogram = std::array<std::int32_t, 242>;

// The export file's text: for each value k from 0 to 240 a line " k  n \r\n"
// (each number with a blank in place of its sign and one blank after it).
// Written into out, which keeps its capacity from one count to the next.
void exportText(const Histogram& histogram, std::string& out);

}  // namespace kolven
