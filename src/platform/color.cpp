#include "platform/color.h"

#include <array>

namespace kolven::platform {

Color paletteColor(int index)
{
    static constexpr std::array<Color, 16> palette = {
        rgb(0, 0, 0),       rgb(0, 0, 128),     rgb(0, 128, 0),     rgb(0, 128, 128),
        rgb(128, 0, 0),     rgb(128, 0, 128),   rgb(128, 128, 0),   rgb(192, 192, 192),
        rgb(128, 128, 128), rgb(0, 0, 255),     rgb(0, 255, 0),     rgb(0, 255, 255),
        rgb(255, 0, 0),     rgb(255, 0, 255),   rgb(255, 255, 0),   rgb(255, 255, 255),
    };
    return palette[static_cast<unsigned>(index) & 15u];
}

}  // namespace kolven::platform
