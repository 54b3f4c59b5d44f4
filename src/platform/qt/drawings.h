#pragma once

#include <QImage>

#include <map>
#include <memory>
#include <tuple>

#include "platform/drawing.h"

class QPainter;

namespace kolven::platform::qt {

// Paints a drawing onto `size` logical pixels from the painter's origin.
void paintDrawing(QPainter& painter, const Drawing& drawing, QSizeF size);

// The pictures of the window's controls: each drawing is painted once per
// size into an image, which the canvas then copies like a bitmap.
class PictureBook {
public:
    // Draws the picture into target (logical pixels); nothing for no picture.
    void paint(QPainter& painter, const std::shared_ptr<const Drawing>& picture, const QRect& target);

private:
    // The key holds the drawing, so that no other drawing can come to live
    // at its address while its images are kept.
    using Key = std::tuple<std::shared_ptr<const Drawing>, int, int, qreal>;
    std::map<Key, QImage> m_images;
};

}  // namespace kolven::platform::qt
