#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

#include <algorithm>

namespace kolven::platform::qt {

// Writes an opaque colour straight into the rows of a 32-bit image, in
// device pixels. A bar of the plot is a few pixels wide and hundreds high:
// the painter's work per row would cost many times the row itself. An
// opaque colour is the same word whether the format is premultiplied or not.
inline void fillOpaque(uchar* bits, qsizetype bytesPerLine, const QRect& device, QRgb colour)
{
    const quint32 pixel = 0xff000000u | colour;
    const qsizetype stride = bytesPerLine / qsizetype(sizeof(quint32));
    quint32* row = reinterpret_cast<quint32*>(bits) + device.top() * stride + device.left();
    for (int y = 0; y < device.height(); ++y, row += stride)
        std::fill_n(row, device.width(), pixel);
}

inline bool holdsOpaqueWords(const QImage& image)
{
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return true;
    default:
        return false;
    }
}

}  // namespace kolven::platform::qt
