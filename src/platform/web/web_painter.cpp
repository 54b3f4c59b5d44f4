#include "platform/web/web_painter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <type_traits>
#include <variant>

#include "platform/web/canvas_calls.h"
#include "platform/web/web_surface.h"
#include "platform/web/web_text.h"

namespace kolven::platform::web {

namespace {

constexpr std::uint32_t kDisabledText = 0x808080;
constexpr std::uint32_t kDisabledShadow = 0xFFFFFF;
constexpr std::uint32_t kListFrameColour = 0x808080;
constexpr std::uint32_t kSelection = 0x000080;
constexpr std::uint32_t kSelectedText = 0xFFFFFF;

struct PixelRect {
    int left, top, width, height;
};

PixelRect pixelsOf(const Rect& r)
{
    const int left = toPixels(r.left), top = toPixels(r.top);
    return {left, top, toPixels(r.right()) - left, toPixels(r.bottom()) - top};
}

void paintLabel(const Control& c, const PixelRect& r)
{
    kolven_fill(kPage, r.left, r.top, r.width, r.height, packed(c.back()));
    if (c.caption().empty())
        return;
    const FontFace face = faceOf(c.font());
    const double lineHeight = textMetrics().measure(c.font(), "").height / double(kTwipsPerPixel);
    kolven_clip(kPage, r.left, r.top, r.width, r.height);
    double y = r.top + face.ascent;
    for (const std::string& line : wrappedLines(c.font(), c.caption(), r.width)) {
        const double width = textMetrics().advance64(c.font(), line) / 64.0;
        double x = r.left;
        if (c.alignment() == Alignment::Center)
            x += (r.width - width) / 2;
        else if (c.alignment() == Alignment::Right)
            x += r.width - width;
        if (!c.enabled()) {
            // Engraved: a white copy one pixel down and right under the grey one.
            kolven_text(kPage, x + 1, y + 1, line.c_str(), kDisabledShadow, face.family.c_str(), face.pixels,
                        c.font().bold);
        }
        kolven_text(kPage, x, y, line.c_str(), c.enabled() ? packed(c.fore()) : kDisabledText, face.family.c_str(),
                    face.pixels, c.font().bold);
        y += lineHeight;
    }
    kolven_restore(kPage);
}

void paintList(const Control& c, const PixelRect& r)
{
    kolven_fill(kPage, r.left, r.top, r.width, r.height, packed(c.back()));
    kolven_path_begin(kPage);
    kolven_path_point(kPage, r.left + 0.5, r.top + 0.5, 1);
    kolven_path_point(kPage, r.left + r.width - 0.5, r.top + 0.5, 0);
    kolven_path_point(kPage, r.left + r.width - 0.5, r.top + r.height - 0.5, 0);
    kolven_path_point(kPage, r.left + 0.5, r.top + r.height - 0.5, 0);
    kolven_path_close(kPage);
    kolven_path_stroke(kPage, kListFrameColour, 1);
    const int frame = toPixels(kListFrame / 2);
    const PixelRect inside{r.left + frame, r.top + frame, r.width - 2 * frame, r.height - 2 * frame};
    const int itemHeight = std::max(1, toPixels(c.itemHeight()));
    const FontFace face = faceOf(c.font());
    kolven_clip(kPage, inside.left, inside.top, inside.width, inside.height);
    const auto& entries = c.entries();
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const int top = inside.top + i * itemHeight;
        if (top >= inside.top + inside.height)
            break;
        std::uint32_t colour = c.enabled() && c.entryEnabled(i) ? packed(c.fore()) : kDisabledText;
        if (i == c.index()) {
            kolven_fill(kPage, inside.left, top, inside.width, itemHeight, kSelection);
            colour = kSelectedText;
        }
        kolven_text(kPage, inside.left, top + face.ascent, entries[i].c_str(), colour, face.family.c_str(),
                    face.pixels, c.font().bold);
    }
    kolven_restore(kPage);
}

void pathOf(int n, const std::vector<Point>& points, bool closed)
{
    kolven_path_begin(n);
    for (std::size_t i = 0; i < points.size(); ++i)
        kolven_path_point(n, points[i].x, points[i].y, i == 0);
    if (closed)
        kolven_path_close(n);
}

// The text's em is `pixels` high in the context's current units; the text
// is made smaller when it would be wider than its box.
void paintText(int n, const Text& t, double left, double top, double width, double height, double pixels)
{
    const std::string family = drawingFamily(t.family);
    const double natural = kolven_text_width(n, t.text.c_str(), family.c_str(), pixels, t.bold);
    if (width > 0 && natural > width)
        pixels *= width / natural;
    const double advance = kolven_text_width(n, t.text.c_str(), family.c_str(), pixels, t.bold);
    double x = left;
    if (t.alignment == Alignment::Center)
        x += (width - advance) / 2;
    else if (t.alignment == Alignment::Right)
        x += width - advance;
    double y = top;
    int baseline = 0;
    if (t.vertical == VerticalAlignment::Middle) {
        y += height / 2;
        baseline = 1;
    } else if (t.vertical == VerticalAlignment::Baseline) {
        y += height;
        baseline = 2;
    }
    kolven_text_at(n, x, y, t.text.c_str(), packed(t.color), family.c_str(), pixels, t.bold, baseline);
}

void paintShape(int n, const Shape& shape, double sx, double sy, double dx, double dy)
{
    std::visit(
        [&](const auto& s) {
            using T = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<T, FilledPolygon>) {
                pathOf(n, s.points, true);
                kolven_path_fill(n, packed(s.fill));
            } else if constexpr (std::is_same_v<T, Polyline>) {
                if (s.pen.width <= 0)
                    return;
                pathOf(n, s.points, s.closed);
                kolven_path_stroke(n, packed(s.pen.color), s.pen.width);
            } else if constexpr (std::is_same_v<T, FilledRect>) {
                kolven_fill(n, s.box.left, s.box.top, s.box.width, s.box.height, packed(s.fill));
            } else if constexpr (std::is_same_v<T, Ellipse>) {
                kolven_save(n);
                kolven_transform(n, 1, 0, 0, 1, s.centre.x, s.centre.y);
                const double a = s.rotation * 3.14159265358979323846 / 180;
                const double cosA = std::cos(a), sinA = std::sin(a);
                kolven_transform(n, cosA, sinA, -sinA, cosA, 0, 0);
                kolven_path_begin(n);
                kolven_path_ellipse(n, s.radiusX, s.radiusY);
                if (const auto* plain = std::get_if<Color>(&s.fill))
                    kolven_path_fill(n, packed(*plain));
                else if (const auto* radial = std::get_if<RadialFill>(&s.fill))
                    kolven_path_fill_radial(n, packed(radial->centre), packed(radial->rim), radial->radius);
                if (s.outline.width > 0)
                    kolven_path_stroke(n, packed(s.outline.color), s.outline.width);
                kolven_restore(n);
            } else if (s.scaling == TextScaling::WithDrawing) {
                paintText(n, s, s.box.left, s.box.top, s.box.width, s.box.height, s.size);
            } else {
                // Upright: laid out in pixels, at a size from the vertical scale alone.
                kolven_save(n);
                kolven_identity(n);
                paintText(n, s, dx + s.box.left * sx, dy + s.box.top * sy, s.box.width * sx, s.box.height * sy,
                          s.size * sy);
                kolven_restore(n);
            }
        },
        shape);
}

void paintPicture(const Control& c, const PixelRect& r)
{
    const auto& picture = c.picture();
    if (!picture || r.width <= 0 || r.height <= 0)
        return;
    if (kolven_picture_begin(reinterpret_cast<std::uintptr_t>(picture.get()), r.width, r.height))
        paintDrawing(kPicture, *picture, r.width, r.height);
    kolven_picture_show(r.left, r.top, r.width, r.height);
}

}  // namespace

void paintDrawing(int n, const Drawing& drawing, double width, double height)
{
    if (drawing.width() <= 0 || drawing.height() <= 0)
        return;
    double sx = width / drawing.width();
    double sy = height / drawing.height();
    double dx = 0, dy = 0;
    if (drawing.fit() == Fit::KeepAspect) {
        sx = sy = std::min(sx, sy);
        dx = (width - drawing.width() * sx) / 2;
        dy = (height - drawing.height() * sy) / 2;
    }
    kolven_save(n);
    kolven_transform(n, sx, 0, 0, sy, dx, dy);
    for (const Shape& shape : drawing.shapes())
        paintShape(n, shape, sx, sy, dx, dy);
    kolven_restore(n);
}

void paintControl(const Control& c)
{
    const PixelRect r = pixelsOf(c.windowRect());
    if (r.width <= 0 || r.height <= 0)
        return;
    switch (c.kind()) {
    case ControlKind::Panel:
        kolven_fill(kPage, r.left, r.top, r.width, r.height, packed(c.back()));
        break;
    case ControlKind::Picture:
        paintPicture(c, r);
        break;
    case ControlKind::Label:
        paintLabel(c, r);
        break;
    case ControlKind::List:
        paintList(c, r);
        break;
    }
}

}  // namespace kolven::platform::web
