#pragma once

#include <QImage>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/color.h"
#include "platform/geometry.h"

class QPainter;

namespace kolven::platform::qt {

// Labels drawn once into images of the screen's own pixel format and then
// copied. A pointer sweeping over a plot rewrites the same read-outs again
// and again, and laying out and blending a caption's glyphs costs ten times
// the copy of its pixels.
class LabelImages {
public:
    // Everything a label's pixels depend on.
    struct Look {
        std::string caption;
        Font font;
        Color fore;
        Color back;
        bool enabled = true;
        Alignment alignment = Alignment::Left;
        QSize size;
        int dpi = 0;
        qreal ratio = 1;
        QImage::Format format = QImage::Format_Invalid;
        friend bool operator==(const Look&, const Look&) = default;
    };

    // The image of `look`, drawn by `draw` (onto its logical rectangle from
    // the origin) when no kept image has that look.
    const QImage& imageOf(const Look& look, const std::function<void(QPainter&)>& draw);

private:
    struct Kept {
        Look look;
        QImage image;
    };
    std::vector<Kept> m_kept;
    std::size_t m_next = 0;  // the one to replace once all places are taken
};

}  // namespace kolven::platform::qt
