#include "platform/web/web_surface.h"

#include <algorithm>
#include <utility>

#include "platform/web/canvas_calls.h"
#include "platform/web/web_text.h"

namespace kolven::platform::web {

namespace {

// Blocks remembered as filled: a plot shows at most 241 bars.
constexpr std::size_t kMaxFilled = 256;

}  // namespace

std::uint32_t packed(Color c)
{
    return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
}

WebSurface::WebSurface(int width, int height, const AdvanceTableMeasurer& metrics)
    : m_metrics(metrics), m_width(width), m_height(height)
{
}

bool WebSurface::takeChanged()
{
    return std::exchange(m_changed, false);
}

void WebSurface::forgetFilled(const Block& drawn)
{
    std::erase_if(m_filled, [&](const Filled& f) { return f.block.intersects(drawn); });
}

int WebSurface::contextFor(int left, int top, int width, int height)
{
    m_changed = true;
    const Block drawn{left, top, left + width - 1, top + height - 1};
    forgetFilled(drawn);
    if (!m_persistent) {
        m_overlayUsed = true;
        m_overlayBlocks.push_back(drawn);
        return kOverlay;
    }
    if (m_overlayUsed)
        kolven_erase(kOverlay, left, top, width, height);
    return kStored;
}

void WebSurface::clear()
{
    kolven_fill(kStored, 0, 0, m_width, m_height, packed(colors::windowBackground));
    if (m_overlayUsed)
        kolven_erase(kOverlay, 0, 0, m_width, m_height);
    m_overlayUsed = false;
    m_overlayBlocks.clear();
    m_filled.clear();
    m_changed = true;
}

// A one-pixel line through the pixels of both ends, as the desktop draws it
// without antialiasing; upright and level lines are whole pixels.
void WebSurface::line(int x1, int y1, int x2, int y2, Color color)
{
    const int ax = toPixels(x1), ay = toPixels(y1), bx = toPixels(x2), by = toPixels(y2);
    const int left = std::min(ax, bx), top = std::min(ay, by);
    const int width = std::abs(bx - ax) + 1, height = std::abs(by - ay) + 1;
    if (ax == bx || ay == by) {
        kolven_fill(contextFor(left, top, width, height), left, top, width, height, packed(color));
        return;
    }
    kolven_line(contextFor(left - 1, top - 1, width + 2, height + 2), ax + 0.5, ay + 0.5, bx + 0.5, by + 0.5,
                packed(color), 1);
}

void WebSurface::fillBlock(int x1, int x2, int y1, int y2, Color color)
{
    const int left = toPixels(std::min(x1, x2)), right = toPixels(std::max(x1, x2));
    const int top = toPixels(std::min(y1, y2)), bottom = toPixels(std::max(y1, y2));
    fill(left, top, right - left + 1, bottom - top + 1, color);
}

void WebSurface::point(int x, int y, Color color)
{
    fill(toPixels(x), toPixels(y), 1, 1, color);
}

void WebSurface::fill(int left, int top, int width, int height, Color color)
{
    const Block block{left, top, left + width - 1, top + height - 1};
    const bool underOverlay = std::any_of(m_overlayBlocks.begin(), m_overlayBlocks.end(),
                                          [&](const Block& b) { return b.intersects(block); });
    if (!m_persistent || underOverlay) {
        kolven_fill(contextFor(left, top, width, height), left, top, width, height, packed(color));
        return;
    }
    Block fresh = block;
    const auto same = std::find_if(m_filled.begin(), m_filled.end(), [&](const Filled& f) {
        return f.color == color && f.block.left == block.left && f.block.right == block.right &&
               f.block.bottom == block.bottom;
    });
    if (same != m_filled.end()) {
        if (block.top >= same->block.top)
            return;
        fresh.bottom = same->block.top - 1;
        same->block.top = block.top;
    } else {
        forgetFilled(block);
        if (m_filled.size() >= kMaxFilled)
            m_filled.clear();
        m_filled.push_back({block, color});
    }
    m_changed = true;
    kolven_fill(kStored, fresh.left, fresh.top, fresh.right - fresh.left + 1, fresh.bottom - fresh.top + 1,
                packed(color));
}

void WebSurface::text(int x, int y, const std::string& text, Color color, const Font& font)
{
    const Size size = m_metrics.measure(font, text);
    const int left = toPixels(x), top = toPixels(y);
    const int context = contextFor(left - 1, top - 1, toPixels(size.width) + 2, toPixels(size.height) + 2);
    const FontFace face = faceOf(font);
    kolven_text(context, left, top + face.ascent, text.c_str(), packed(color), face.family.c_str(), face.pixels,
                font.bold);
}

}  // namespace kolven::platform::web
