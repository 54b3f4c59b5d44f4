#include "platform/qt/label_images.h"

#include <QPainter>

#include <cmath>

namespace kolven::platform::qt {

namespace {

// Six read-outs change per pointer move in the comparison: this holds the
// captions of a sweep back and forth over eight bins, in some 1 MB. A run
// writes new captions at every frame, which pass through without growing it.
constexpr std::size_t kKeptImages = 48;
constexpr double kMetresPerInch = 0.0254;

}  // namespace

const QImage& LabelImages::imageOf(const Look& look, const std::function<void(QPainter&)>& draw)
{
    for (const Kept& kept : m_kept)
        if (kept.look == look)
            return kept.image;
    QImage image(look.size * look.ratio, look.format);
    // The same resolution as the screen, so that the font has the same size
    // in pixels there as it has on the screen.
    const int dotsPerMetre = static_cast<int>(std::lround(look.dpi / kMetresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.setDevicePixelRatio(look.ratio);
    {
        QPainter painter(&image);
        draw(painter);
    }
    if (m_kept.size() < kKeptImages) {
        m_kept.push_back({look, std::move(image)});
        return m_kept.back().image;
    }
    Kept& replaced = m_kept[m_next];
    m_next = (m_next + 1) % kKeptImages;
    replaced = {look, std::move(image)};
    return replaced.image;
}

}  // namespace kolven::platform::qt
