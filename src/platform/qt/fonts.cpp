#include "platform/qt/fonts.h"

#include <QFontMetricsF>

#include <array>
#include <cmath>
#include <cstring>

namespace kolven::platform::qt {

namespace {

constexpr std::size_t kMaxCachedSizes = 8192;
// Basic Latin, Latin-1 and Latin Extended-A: no character there is shaped
// differently from its own advance by the fonts this program uses, except
// the soft hyphen, which Qt does not show.
constexpr char32_t kFirstSummed = 0x20;
constexpr char32_t kLastSummed = 0x17F;
constexpr char32_t kSoftHyphen = 0xAD;

QString familyFor(const std::string& family)
{
    if (family.empty() || family == "Microsoft Sans Serif" || family == "MS Sans Serif")
        return QStringLiteral("Liberation Sans");
    // The serif of the pictures (σ), likewise by its metric twin.
    if (family == "Times New Roman")
        return QStringLiteral("Liberation Serif");
    return QString::fromStdString(family);
}

// The next code point of UTF-8 text, or 0 for a malformed sequence (which
// then goes through Qt's own decoding).
char32_t nextCodePoint(const std::string& text, std::size_t& i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0 && i + 1 < text.size() && (byte(i + 1) & 0xC0) == 0x80) {
        const char32_t c = (char32_t(lead & 0x1F) << 6) | (byte(i + 1) & 0x3F);
        i += 2;
        return c >= 0x80 ? c : 0;
    }
    return 0;
}

}  // namespace

struct TextMetrics::FontEntry {
    FontEntry(const Font& f, const QImage& device) : font(f), metrics(qtFont(f), &device) { advances.fill(-1); }

    Font font;
    QFontMetricsF metrics;
    std::array<double, kLastSummed - kFirstSummed + 1> advances;
};

QFont qtFont(const Font& font, int deviceDpi)
{
    QFont f(familyFor(font.family));
    // Qt turns points into pixels with the device's resolution; scaling the
    // size by 96 / dpi gives the reference pixel size on any device.
    f.setPointSizeF(font.size * kReferenceDpi / (deviceDpi > 0 ? deviceDpi : kReferenceDpi));
    f.setBold(font.bold);
    // Hinting would snap advances to the screen's grid and make widths depend
    // on the machine's font settings. Kerning is off, so that a text's width
    // is the sum of its characters' widths.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

QImage referenceImage(QSize size, QImage::Format format, qreal devicePixelRatio)
{
    QImage image(size * devicePixelRatio, format);
    image.setDotsPerMeterX(kReferenceDotsPerMeter);
    image.setDotsPerMeterY(kReferenceDotsPerMeter);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

TextMetrics::TextMetrics() : m_device(referenceImage(QSize(1, 1), QImage::Format_RGB32)) {}

TextMetrics::~TextMetrics() = default;

TextMetrics::FontEntry& TextMetrics::entryFor(const Font& font) const
{
    if (m_last && m_last->font == font)
        return *m_last;
    for (const auto& entry : m_fonts)
        if (entry->font == font)
            return *(m_last = entry.get());
    m_fonts.push_back(std::make_unique<FontEntry>(font, m_device));
    return *(m_last = m_fonts.back().get());
}

double TextMetrics::summedAdvance(FontEntry& entry, const std::string& text)
{
    // Advances are whole 64ths of a pixel, so this sum is exact, as Qt's is.
    double width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = nextCodePoint(text, i);
        if (c < kFirstSummed || c > kLastSummed || c == kSoftHyphen)
            return -1;
        double& advance = entry.advances[c - kFirstSummed];
        if (advance < 0)
            advance = entry.metrics.horizontalAdvance(QChar(static_cast<char16_t>(c)));
        width += advance;
    }
    return width;
}

// A label asks this at every paint; shaping its caption each time would cost
// more than drawing it.
qreal TextMetrics::advance(const Font& font, const std::string& text) const
{
    FontEntry& entry = entryFor(font);
    const double summed = summedAdvance(entry, text);
    return summed >= 0 ? summed : entry.metrics.horizontalAdvance(QString::fromStdString(text));
}

Size TextMetrics::measure(const Font& font, const std::string& text) const
{
    FontEntry& entry = entryFor(font);
    const int height = static_cast<int>(std::ceil(entry.metrics.height())) * kTwipsPerPixel;

    if (const double width = summedAdvance(entry, text); width >= 0)
        return Size{static_cast<int>(std::ceil(width)) * kTwipsPerPixel, height};

    m_key.clear();
    m_key.append(font.family);
    m_key.push_back('\0');
    char sizeBytes[sizeof font.size];
    std::memcpy(sizeBytes, &font.size, sizeof font.size);
    m_key.append(sizeBytes, sizeof sizeBytes);
    m_key.push_back(font.bold ? 'b' : 'r');
    m_key.append(text);
    if (auto found = m_sizes.find(m_key); found != m_sizes.end())
        return found->second;
    const Size size{
        static_cast<int>(std::ceil(entry.metrics.horizontalAdvance(QString::fromStdString(text)))) * kTwipsPerPixel,
        height};
    if (m_sizes.size() >= kMaxCachedSizes)
        m_sizes.clear();
    m_sizes.emplace(m_key, size);
    return size;
}

}  // namespace kolven::platform::qt
