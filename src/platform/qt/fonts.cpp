#include "platform/qt/fonts.h"

#include <QFontMetricsF>

#include <cmath>
#include <cstring>

namespace kolven::platform::qt {

namespace {

constexpr std::size_t kMaxCachedSizes = 8192;

QString familyFor(const std::string& family)
{
    if (family.empty() || family == "Microsoft Sans Serif" || family == "MS Sans Serif")
        return QStringLiteral("Liberation Sans");
    return QString::fromStdString(family);
}

}  // namespace

QFont qtFont(const Font& font, int deviceDpi)
{
    QFont f(familyFor(font.family));
    // Qt turns points into pixels with the device's resolution; scaling the
    // size by 96 / dpi gives the reference pixel size on any device.
    f.setPointSizeF(font.size * kReferenceDpi / (deviceDpi > 0 ? deviceDpi : kReferenceDpi));
    f.setBold(font.bold);
    // Hinting would snap advances to the screen's grid and make widths depend
    // on the machine's font settings.
    f.setHintingPreference(QFont::PreferNoHinting);
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

const QFontMetricsF& TextMetrics::metricsFor(const Font& font) const
{
    for (const auto& [f, metrics] : m_metrics)
        if (f == font)
            return *metrics;
    m_metrics.emplace_back(font, std::make_unique<QFontMetricsF>(qtFont(font), &m_device));
    return *m_metrics.back().second;
}

qreal TextMetrics::advance(const Font& font, const QString& text) const
{
    return metricsFor(font).horizontalAdvance(text);
}

Size TextMetrics::measure(const Font& font, const std::string& text) const
{
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

    const QFontMetricsF& metrics = metricsFor(font);
    const Size size{
        static_cast<int>(std::ceil(metrics.horizontalAdvance(QString::fromStdString(text)))) * kTwipsPerPixel,
        static_cast<int>(std::ceil(metrics.height())) * kTwipsPerPixel};
    if (m_sizes.size() >= kMaxCachedSizes)
        m_sizes.clear();
    m_sizes.emplace(m_key, size);
    return size;
}

}  // namespace kolven::platform::qt
