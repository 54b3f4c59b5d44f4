#pragma once

#include <string>
#include <vector>

#include "platform/advance_table.h"
#include "platform/surface.h"

namespace kolven::platform::web {

// The window's stored drawing in an offscreen canvas, and the screen-only
// drawing in a transparent one over it; persistent drawing clears the
// overlay where it lands, as repainting that part from the stored drawing
// would.
class WebSurface final : public Surface {
public:
    WebSurface(int width, int height, const AdvanceTableMeasurer& metrics);

    void clear() override;
    void line(int x1, int y1, int x2, int y2, Color color) override;
    void fillBlock(int x1, int x2, int y1, int y2, Color color) override;
    void point(int x, int y, Color color) override;
    void text(int x, int y, const std::string& text, Color color, const Font& font) override;
    void setPersistent(bool persistent) override { m_persistent = persistent; }

    bool overlayUsed() const { return m_overlayUsed; }
    // Something was drawn since the last call.
    bool takeChanged();

private:
    struct Block {
        int left, top, right, bottom;  // pixels, inclusive
        bool intersects(const Block& b) const
        {
            return left <= b.right && b.left <= right && top <= b.bottom && b.top <= bottom;
        }
    };
    int contextFor(int left, int top, int width, int height);
    void fill(int left, int top, int width, int height, Color color);
    void forgetFilled(const Block& drawn);

    // Blocks filled in one colour and not drawn over since: a run fills the
    // bar of the counted bin again at every count, nearly always over
    // itself, and only the part that grew is drawn.
    struct Filled {
        Block block;
        Color color;
    };
    std::vector<Filled> m_filled;
    std::vector<Block> m_overlayBlocks;

    const AdvanceTableMeasurer& m_metrics;
    int m_width;
    int m_height;
    bool m_persistent = true;
    bool m_overlayUsed = false;
    bool m_changed = true;
};

std::uint32_t packed(Color c);

}  // namespace kolven::platform::web
