#include <gtest/gtest.h>

#include <QPainter>

#include <cmath>

#include "platform/qt/fonts.h"
#include "platform/qt/label_images.h"
#include "support/qt_application.h"

namespace kolven::platform::qt {
namespace {

// A caption drawn centred, so that it starts between two pixels, as a label
// draws it.
void drawCaption(QPainter& p, const QRect& r, const LabelImages::Look& look)
{
    p.fillRect(r, QColor(255, 0, 255));
    p.setFont(qtFont(look.font, look.dpi));
    p.drawText(r, Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(look.caption));
}

// A copied label must be the very pixels of one drawn in place: the same
// font size in pixels at the screen's resolution and pixel ratio, and the
// glyphs at the same fractions of a pixel.
TEST(LabelImages, CopyIsTheLabelDrawnInPlace)
{
    kolven::test::useApplication();

    struct Row { const char* name; int dpi; qreal ratio; QImage::Format format; };
    const Row rows[] = {
        {"reference screen", 96, 1.0, QImage::Format_RGB32},
        {"dense screen, alpha format", 144, 2.0, QImage::Format_ARGB32_Premultiplied},
    };
    for (const Row& row : rows) {
        const LabelImages::Look look{" Effectif de [ 12 ] = 5 ", Font{"Microsoft Sans Serif", 15, false}, {}, {}, true,
                                     Alignment::Center, QSize(181, 23), row.dpi, row.ratio, row.format};
        QImage direct(QSize(240, 60) * row.ratio, row.format), copied = direct;
        for (QImage* image : {&direct, &copied}) {
            image->setDotsPerMeterX(static_cast<int>(std::lround(row.dpi / 0.0254)));
            image->setDotsPerMeterY(static_cast<int>(std::lround(row.dpi / 0.0254)));
            image->setDevicePixelRatio(row.ratio);
            image->fill(Qt::white);
        }
        const QRect place(QPoint(13, 7), look.size);
        {
            QPainter p(&direct);
            drawCaption(p, place, look);
        }
        LabelImages labels;
        int drawn = 0;
        const auto draw = [&](QPainter& p) {
            ++drawn;
            drawCaption(p, QRect(QPoint(0, 0), look.size), look);
        };
        {
            QPainter p(&copied);
            p.drawImage(place.topLeft(), labels.imageOf(look, draw));
        }
        EXPECT_EQ(direct, copied) << row.name;
        labels.imageOf(look, draw);
        LabelImages::Look other = look;
        other.caption = " Effectif de [ 13 ] = 5 ";
        labels.imageOf(other, draw);
        EXPECT_EQ(drawn, 2) << row.name << ": kept once, drawn again for another caption";
    }
}

}  // namespace
}  // namespace kolven::platform::qt
