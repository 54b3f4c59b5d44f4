#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "platform/geometry.h"

namespace kolven::platform {

// One character's advance in the font's design units.
struct GlyphAdvance {
    char32_t codePoint;
    std::uint16_t units;
};

// What a font file says of its characters' widths and its line's height,
// in design units; the characters sorted by code point.
struct FontAdvances {
    const char* family;  // the font that draws the design family
    bool bold;
    int unitsPerEm;
    int ascent;
    int descent;
    std::span<const GlyphAdvance> glyphs;
};

// The fonts' tables, made at build time from the font files the desktop
// draws with (tools/advances/).
std::span<const FontAdvances> fontAdvanceTables();

// The font that draws a design family: the design fonts are not installed on
// free systems, and the Liberation fonts have the same metrics.
std::string drawingFamily(const std::string& designFamily);

// Measures text from the tables with the desktop's own arithmetic: the font
// at a whole number of pixels (the point size at 96 dpi, rounded), each
// character's advance scaled to 1/65536 of a pixel and cut to 1/64, the
// text's width the sum of its characters' (kerning is off), rounded up to a
// whole pixel; the height the scaled ascent and descent, rounded up. So a
// label sized from its caption has the same width, to the twip, wherever it
// is measured.
class AdvanceTableMeasurer final : public TextMeasurer {
public:
    explicit AdvanceTableMeasurer(std::span<const FontAdvances> tables = fontAdvanceTables());
    Size measure(const Font& font, const std::string& text) const override;
    // The width in 64ths of a pixel, unrounded.
    std::int64_t advance64(const Font& font, const std::string& text) const;
    // The font as it is drawn: its whole pixel size, its ascent in pixels.
    struct Scaled {
        std::string family;
        int pixels = 0;
        double ascent = 0;
    };
    Scaled scaled(const Font& font) const;

private:
    const FontAdvances* tableFor(const Font& font) const;

    std::span<const FontAdvances> m_tables;
    // The last font's table: a run measures three captions a count.
    mutable std::string m_lastFamily;
    mutable bool m_lastBold = false;
    mutable const FontAdvances* m_lastTable = nullptr;
};

}  // namespace kolven::platform
