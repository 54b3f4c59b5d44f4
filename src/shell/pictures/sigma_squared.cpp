#include "shell/pictures/pictures.h"

namespace kolven::pictures {

using namespace platform;

Picture sigmaSquared()
{
    static const Picture drawing = [] {
        auto d = std::make_shared<Drawing>(100, 100);
        d->add(Text{{0, 0, 100, 88}, "σ", "Times New Roman", 120, false, colors::blue, Alignment::Left,
                    VerticalAlignment::Baseline});
        d->add(Text{{68, 0, 32, 44}, "2", "Times New Roman", 54, false, colors::blue, Alignment::Left,
                    VerticalAlignment::Baseline});
        return d;
    }();
    return drawing;
}

}  // namespace kolven::pictures
