#pragma once

#include <QFont>
#include <QImage>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/geometry.h"

class QFontMetricsF;

namespace kolven::platform::qt {

// Text is laid out as if every screen had 96 dots per inch, so a caption has
// the same width in twips on every machine: 1 point = 20 twips = 4/3 pixel.
constexpr int kReferenceDpi = 96;
// 96 dpi in dots per metre, as QImage stores it (96 / 0.0254, rounded).
constexpr int kReferenceDotsPerMeter = 3780;

// The Qt font that draws a design font on a device of the given logical
// resolution at its 96-dpi pixel size. The design font of the window is not
// installed on free systems; Liberation Sans has the same metrics and is the
// same on every machine that has it.
QFont qtFont(const Font& font, int deviceDpi = kReferenceDpi);

// An image whose logical resolution is the reference one.
QImage referenceImage(QSize size, QImage::Format format, qreal devicePixelRatio = 1.0);

// Measures single lines of text in twips, at the reference resolution.
// A run of counts measures three new captions per count, too many to shape
// each one: text in the Latin alphabets is measured as the sum of its
// characters' advances, which is what Qt finds when it shapes it, since
// kerning is off. Other text goes through Qt's shaping, and its results are
// kept.
class TextMetrics {
public:
    TextMetrics();
    ~TextMetrics();
    Size measure(const Font& font, const std::string& text) const;
    // Width in pixels, unrounded, as the painter will lay the text out.
    qreal advance(const Font& font, const std::string& text) const;

private:
    struct FontEntry;
    FontEntry& entryFor(const Font& font) const;
    // The sum of the characters' advances, or -1 for text that must be shaped.
    static double summedAdvance(FontEntry& entry, const std::string& text);

    QImage m_device;
    mutable std::vector<std::unique_ptr<FontEntry>> m_fonts;
    mutable FontEntry* m_last = nullptr;
    mutable std::unordered_map<std::string, Size> m_sizes;
    mutable std::string m_key;
};

}  // namespace kolven::platform::qt
