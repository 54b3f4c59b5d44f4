#pragma once

#include <memory>

#include "platform/drawing.h"
#include "platform/geometry.h"

namespace kolven::pictures {

using Picture = std::shared_ptr<const platform::Drawing>;

// The title band's logo: an atom, its nucleus marked K.
Picture logo();

// The eight buttons under the plot, on a 100 × 100 raised button face.
enum class ArrowButton {
    Left1,      // ← −1
    Left10,     // ← −10
    Right1,     // +1 →
    Right10,    // +10 →
    FewerBins,  // > <
    MoreBins,   // < >
    ScaleUp,    // ↑
    ScaleDown,  // ↓
};
Picture arrowButton(ArrowButton button);

// The σ² symbol set before each mean squared deviation: a blue sigma and
// its exponent.
Picture sigmaSquared();

// The page on counting statistics; its formulas are laid out with widths
// measured by `measurer`.
Picture statisticsPage(const platform::TextMeasurer& measurer);

}  // namespace kolven::pictures
