#include <array>
#include <cmath>
#include <string>

#include "shell/pictures/pictures.h"

namespace kolven::pictures {

using namespace platform;

namespace {

const Color kFace = rgb(192, 192, 192);
const Color kLight = rgb(255, 255, 255);
const Color kShadow = rgb(128, 128, 128);
const Color kDarkShadow = rgb(64, 64, 64);
const Color kGlyph = rgb(0, 0, 128);

// A raised button: light from the top left, a dark rim all round.
void buttonFace(Drawing& d)
{
    d.add(FilledRect{{0, 0, 100, 100}, kFace});
    d.add(FilledPolygon{{{0, 0}, {100, 0}, {94, 6}, {6, 6}, {6, 94}, {0, 100}}, kLight});
    d.add(FilledPolygon{{{100, 100}, {0, 100}, {6, 94}, {94, 94}, {94, 6}, {100, 0}}, kShadow});
    d.add(Polyline{{{1, 1}, {99, 1}, {99, 99}, {1, 99}}, Pen{kDarkShadow, 2}, true});
}

// A filled arrow on the axis from base to tip: a shaft of half-width
// shaftHalf, then a head headLength long and of half-width headHalf.
void arrow(Drawing& d, Point base, Point tip, double shaftHalf, double headHalf, double headLength)
{
    const double length = std::hypot(tip.x - base.x, tip.y - base.y);
    const Point unit{(tip.x - base.x) / length, (tip.y - base.y) / length};
    const Point normal{-unit.y, unit.x};
    const Point neck{tip.x - unit.x * headLength, tip.y - unit.y * headLength};
    const auto at = [&](Point p, double side) { return Point{p.x + normal.x * side, p.y + normal.y * side}; };
    d.add(FilledPolygon{{at(base, shaftHalf), at(neck, shaftHalf), at(neck, headHalf), tip, at(neck, -headHalf),
                         at(neck, -shaftHalf), at(base, -shaftHalf)},
                        kGlyph});
}

// The shift written beside the arrow; it keeps its proportions however wide
// the button is stretched.
void shiftText(Drawing& d, Box box, std::string text)
{
    d.add(Text{box, std::move(text), "Microsoft Sans Serif", 50, true, kGlyph, Alignment::Center,
               VerticalAlignment::Middle, TextScaling::Upright});
}

// Two chevrons, pointing inwards (> <) or outwards (< >).
void chevrons(Drawing& d, bool inwards)
{
    const double dir = inwards ? 1 : -1;
    const double leftTip = inwards ? 40 : 18, rightTip = inwards ? 60 : 82;
    const Pen pen{kGlyph, 8};
    d.add(Polyline{{{leftTip - dir * 20, 26}, {leftTip, 50}, {leftTip - dir * 20, 74}}, pen});
    d.add(Polyline{{{rightTip + dir * 20, 26}, {rightTip, 50}, {rightTip + dir * 20, 74}}, pen});
}

Picture build(ArrowButton button)
{
    auto d = std::make_shared<Drawing>(100, 100);
    buttonFace(*d);
    switch (button) {
    case ArrowButton::Left1:
    case ArrowButton::Left10:
        arrow(*d, {44, 50}, {8, 50}, 7, 22, 20);
        shiftText(*d, {44, 10, 52, 80}, button == ArrowButton::Left1 ? "−1" : "−10");
        break;
    case ArrowButton::Right1:
    case ArrowButton::Right10:
        arrow(*d, {56, 50}, {92, 50}, 7, 22, 20);
        shiftText(*d, {4, 10, 52, 80}, button == ArrowButton::Right1 ? "+1" : "+10");
        break;
    case ArrowButton::FewerBins:
        chevrons(*d, true);
        break;
    case ArrowButton::MoreBins:
        chevrons(*d, false);
        break;
    case ArrowButton::ScaleUp:
        arrow(*d, {50, 86}, {50, 14}, 10, 30, 34);
        break;
    case ArrowButton::ScaleDown:
        arrow(*d, {50, 14}, {50, 86}, 10, 30, 34);
        break;
    }
    return d;
}

}  // namespace

Picture arrowButton(ArrowButton button)
{
    static const std::array<Picture, 8> drawings = [] {
        std::array<Picture, 8> all;
        for (int i = 0; i < 8; ++i)
            all[i] = build(static_cast<ArrowButton>(i));
        return all;
    }();
    return drawings[static_cast<int>(button)];
}

}  // namespace kolven::pictures
