#pragma once

#include "core/histogram.h"

#include <array>
#include <cstdint>
#include <string>

namespace kolven {

// The export file's text: for each value k from 0 to 240 a line " k  n \r\n"
// (each number with a blank in place of its sign and one blank after it).
// The text is kept from one writing to the next: a count changes one line,
// so only the lines whose count changed are written again.
class ExportText {
public:
    const std::string& render(const Histogram& histogram);

private:
    void build(const Histogram& histogram);

    std::string m_text;
    Histogram m_shown{};                      // the counts the text holds
    std::array<std::uint32_t, 242> m_start{};  // where each line starts; [241]: the end
    bool m_built = false;
};

}  // namespace kolven
