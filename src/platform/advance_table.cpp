#include "platform/advance_table.h"

#include <algorithm>

namespace kolven::platform {

namespace {

constexpr int kReferenceDpi = 96;
constexpr int kPointsPerInch = 72;
constexpr char32_t kSoftHyphen = 0xAD;

// 16.16 fixed-point product and quotient, rounded to nearest, as the font
// engine computes its scales.
std::int64_t mulFix(std::int64_t a, std::int64_t b)
{
    return (a * b + 0x8000) >> 16;
}

std::int64_t divFix(std::int64_t a, std::int64_t b)
{
    return ((a << 16) + b / 2) / b;
}

int pixelSize(double points)
{
    // Half up, as Qt rounds the pixel size of a point size.
    return static_cast<int>(points * kReferenceDpi / kPointsPerInch + 0.5);
}

// The next code point of UTF-8 text; a malformed byte stands for itself.
char32_t nextCodePoint(const std::string& text, std::size_t& i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i++);
    const int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (more == 0 || i + more > text.size())
        return lead;
    char32_t c = lead & (0x3F >> more);
    for (int k = 0; k < more; ++k)
        c = (c << 6) | (byte(i++) & 0x3F);
    return c;
}

}  // namespace

std::string drawingFamily(const std::string& designFamily)
{
    if (designFamily == "Times New Roman" || designFamily == "Liberation Serif")
        return "Liberation Serif";
    return "Liberation Sans";
}

AdvanceTableMeasurer::AdvanceTableMeasurer(std::span<const FontAdvances> tables) : m_tables(tables) {}

const FontAdvances* AdvanceTableMeasurer::tableFor(const Font& font) const
{
    if (m_lastTable && font.bold == m_lastBold && font.family == m_lastFamily)
        return m_lastTable;
    const std::string family = drawingFamily(font.family);
    const FontAdvances* found = m_tables.empty() ? nullptr : &m_tables.front();
    for (const FontAdvances& table : m_tables)
        if (family == table.family && font.bold == table.bold)
            found = &table;
    m_lastFamily = font.family;
    m_lastBold = font.bold;
    m_lastTable = found;
    return found;
}

std::int64_t AdvanceTableMeasurer::advance64(const Font& font, const std::string& text) const
{
    const FontAdvances* table = tableFor(font);
    if (!table)
        return 0;
    const std::int64_t scale = divFix(std::int64_t{pixelSize(font.size)} * 64, table->unitsPerEm);
    std::int64_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = nextCodePoint(text, i);
        if (c == kSoftHyphen)
            continue;
        const auto found = std::lower_bound(table->glyphs.begin(), table->glyphs.end(), c,
                                            [](const GlyphAdvance& g, char32_t code) { return g.codePoint < code; });
        if (found == table->glyphs.end() || found->codePoint != c)
            continue;
        // The advance in 16.16 pixels, then cut (not rounded) to 26.6.
        const std::int64_t linear = (std::int64_t{found->units} * scale + 32) / 64;
        width += linear >> 10;
    }
    return width;
}

AdvanceTableMeasurer::Scaled AdvanceTableMeasurer::scaled(const Font& font) const
{
    const FontAdvances* table = tableFor(font);
    const int pixels = pixelSize(font.size);
    if (!table)
        return {drawingFamily(font.family), pixels, 0.0};
    const std::int64_t scale = divFix(std::int64_t{pixels} * 64, table->unitsPerEm);
    return {table->family, pixels, mulFix(table->ascent, scale) / 64.0};
}

Size AdvanceTableMeasurer::measure(const Font& font, const std::string& text) const
{
    const FontAdvances* table = tableFor(font);
    if (!table)
        return {};
    const std::int64_t scale = divFix(std::int64_t{pixelSize(font.size)} * 64, table->unitsPerEm);
    const std::int64_t height = mulFix(table->ascent, scale) + mulFix(table->descent, scale);
    const auto wholePixels = [](std::int64_t v) { return static_cast<int>((v + 63) / 64) * kTwipsPerPixel; };
    return {wholePixels(advance64(font, text)), wholePixels(height)};
}

}  // namespace kolven::platform
