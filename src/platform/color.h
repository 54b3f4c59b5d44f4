#pragma once

#include <cstdint>

namespace kolven::platform {

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

constexpr Color rgb(int r, int g, int b)
{
    return Color{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
}

// The standard 16-colour palette, by index 0 (black) to 15 (bright white).
Color paletteColor(int index);

namespace colors {
constexpr Color black = rgb(0, 0, 0);
constexpr Color grey = rgb(192, 192, 192);
constexpr Color lightGrey = rgb(224, 224, 224);
constexpr Color blue = rgb(0, 0, 255);
constexpr Color green = rgb(0, 255, 0);
constexpr Color white = rgb(255, 255, 255);
constexpr Color magenta = rgb(255, 0, 255);
constexpr Color cyan = rgb(0, 255, 255);
constexpr Color red = rgb(255, 0, 0);
// The window's own background, under its drawing and its controls.
constexpr Color windowBackground = white;
}  // namespace colors

}  // namespace kolven::platform
