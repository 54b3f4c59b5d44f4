#pragma once

#include <string>

namespace kolven::platform {

// Every length the behaviour handles is in twips: 15 per pixel, x to the
// right, y downwards.
constexpr int kTwipsPerPixel = 15;

enum class Alignment { Left, Center, Right };

struct Size {
    int width = 0;
    int height = 0;
};

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool contains(int x, int y) const { return x >= left && x < right() && y >= top && y < bottom(); }
    bool empty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Font {
    std::string family;
    double size = 8.25;  // points
    bool bold = false;
    friend bool operator==(const Font&, const Font&) = default;
};

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // Width and height, in twips, of one line of text as a label shows it.
    virtual Size measure(const Font& font, const std::string& text) const = 0;
};

}  // namespace kolven::platform
