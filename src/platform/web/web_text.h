#pragma once

#include <string>
#include <vector>

#include "platform/advance_table.h"
#include "platform/geometry.h"
#include "platform/pixels.h"

namespace kolven::platform::web {

using platform::toPixels;

// The measurer every part of the browser edition shares.
const AdvanceTableMeasurer& textMetrics();

struct FontFace {
    std::string family;
    int pixels = 0;
    double ascent = 0;
};
FontFace faceOf(const Font& font);

// A caption broken into lines no wider than `width` pixels at its blanks,
// as a label shows a caption too wide for it; a word wider than the line
// stands alone on its line.
std::vector<std::string> wrappedLines(const Font& font, const std::string& text, double width);

}  // namespace kolven::platform::web
