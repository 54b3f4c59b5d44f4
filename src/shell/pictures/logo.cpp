#include "shell/pictures/pictures.h"

namespace kolven::pictures {

using namespace platform;

Picture logo()
{
    static const Picture drawing = [] {
        const Color navy = rgb(0, 0, 128);
        auto d = std::make_shared<Drawing>(100, 100);
        // The atom glows from the nucleus outwards.
        d->add(Ellipse{{50, 50}, 48, 48, 0, RadialFill{rgb(255, 255, 210), rgb(90, 140, 220), 50}, Pen{navy, 3}});
        // Three electron orbits round the nucleus, 60° apart.
        for (double angle : {0.0, 60.0, 120.0})
            d->add(Ellipse{{50, 50}, 42, 15, angle, {}, Pen{navy, 2.5}});
        d->add(Ellipse{{50, 50}, 12, 12, 0, rgb(255, 0, 0), Pen{}});
        d->add(Text{{38, 38, 24, 24}, "K", "Microsoft Sans Serif", 24, true, colors::white, Alignment::Center});
        return d;
    }();
    return drawing;
}

}  // namespace kolven::pictures
