#pragma once

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/color.h"
#include "platform/geometry.h"

namespace kolven::platform {

// A picture as data: shapes and text laid out in a design box of the
// drawing's own units (x to the right, y downwards). The window system maps
// the box onto the control that shows it, so a drawing is sharp at any size.

struct Point {
    double x = 0, y = 0;
};

struct Box {
    double left = 0, top = 0, width = 0, height = 0;
};

// A fill that runs from one colour at the shape's centre to another at
// `radius` from it (and stays there beyond).
struct RadialFill {
    Color centre;
    Color rim;
    double radius = 0;
};

// Pens draw with square caps and mitred corners.
struct Pen {
    Color color;
    double width = 0;  // 0: no line
};

struct FilledPolygon {
    std::vector<Point> points;
    Color fill;
};

struct Polyline {
    std::vector<Point> points;
    Pen pen;
    bool closed = false;
};

struct FilledRect {
    Box box;
    Color fill;
};

// An ellipse round `centre`, turned by `rotation` degrees clockwise; filled
// with nothing, a plain colour or a radial fill, and outlined by `outline`.
struct Ellipse {
    Point centre;
    double radiusX = 0, radiusY = 0;
    double rotation = 0;
    std::variant<std::monostate, Color, RadialFill> fill;
    Pen outline;
};

enum class VerticalAlignment { Top, Middle, Baseline };

// How a text follows the drawing when it is stretched: its glyphs stretch
// with the drawing, or stand upright at a size that follows the drawing's
// height alone (text on a button keeps its proportions on a wide button).
enum class TextScaling { WithDrawing, Upright };

// One line of text in a box. `size` is the height of the font's em in
// drawing units. A text wider than its box is made smaller until it fits.
// Baseline alignment puts the baseline on the box's lower edge.
struct Text {
    Box box;
    std::string text;
    std::string family;
    double size = 0;
    bool bold = false;
    Color color;
    Alignment alignment = Alignment::Left;
    VerticalAlignment vertical = VerticalAlignment::Middle;
    TextScaling scaling = TextScaling::WithDrawing;
};

using Shape = std::variant<FilledPolygon, Polyline, FilledRect, Ellipse, Text>;

// How the design box meets the control: stretched to it in both directions,
// or scaled alike in both and centred (a page of text keeps its shape).
enum class Fit { Stretch, KeepAspect };

class Drawing {
public:
    Drawing(double width, double height, Fit fit = Fit::Stretch) : m_width(width), m_height(height), m_fit(fit) {}

    double width() const { return m_width; }
    double height() const { return m_height; }
    Fit fit() const { return m_fit; }
    const std::vector<Shape>& shapes() const { return m_shapes; }

    // Shapes are painted in the order they are added.
    Drawing& add(Shape shape)
    {
        m_shapes.push_back(std::move(shape));
        return *this;
    }

private:
    double m_width;
    double m_height;
    Fit m_fit;
    std::vector<Shape> m_shapes;
};

}  // namespace kolven::platform
