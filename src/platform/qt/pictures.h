#pragma once

#include <QImage>

#include <map>
#include <tuple>

#include "platform/control.h"

class QPainter;

namespace kolven::platform::qt {

// The window's pictures, drawn rather than loaded: each is drawn once per
// size into an image and then stretched like a bitmap would be.
class PictureBook {
public:
    // Draws the picture into target (logical pixels).
    void paint(QPainter& painter, Picture picture, const QRect& target);

private:
    using Key = std::tuple<Picture, int, int, qreal>;
    std::map<Key, QImage> m_images;
};

}  // namespace kolven::platform::qt
