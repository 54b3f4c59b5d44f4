// The Qt window system's own arithmetic: where drawing lands in the stored
// image, what is repainted, and text widths.

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>
#include <random>
#include <string>
#include <tuple>

#include "platform/qt/drawings.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/fonts.h"
#include "platform/qt/image_surface.h"
#include "platform/qt/qt_sound_input.h"
#include "support/qt_application.h"

namespace kolven::platform::qt {
namespace {

const QRgb kBack = qRgb(192, 192, 192);
const QRgb kBlue = qRgb(0, 0, 255);

class QtPlatform : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        kolven::test::useApplication();
    }

    QRgb shown(int x, int y) { return surface.image().pixel(x, y) | 0xff000000u; }

    TextMetrics metrics;
    ImageSurface surface{QSize(100, 100), 1.0, QColor(192, 192, 192), metrics};
};

TEST_F(QtPlatform, TwipsMapToThePixelThatHoldsThem) {
    for (const auto& [twips, pixel] : {std::pair{0, 0}, {14, 0}, {15, 1}, {29, 1}, {-1, -1}, {-15, -1}, {-16, -2}})
        EXPECT_EQ(toPixels(twips), pixel) << twips;
}

TEST_F(QtPlatform, BlockCoversEveryPixelHoldingOneOfItsTwips) {
    surface.takeDirty();
    // Columns 151 … 299 lie in pixels 10 … 19; rows 600 down to 150 in 10 … 40.
    surface.fillBlock(151, 299, 600, 150, rgb(0, 0, 255));
    EXPECT_EQ(surface.takeDirty(), QRect(10, 10, 10, 31));
    for (const auto& [x, y, colour] : {std::tuple{10, 10, kBlue}, {19, 40, kBlue}, {9, 20, kBack}, {20, 20, kBack},
                                       {15, 41, kBack}, {15, 9, kBack}})
        EXPECT_EQ(shown(x, y), colour) << x << ", " << y;
}

TEST_F(QtPlatform, BarDrawnAgainAfterSomethingCrossedItIsDrawnWhole) {
    const struct { const char* name; void (*crossing)(ImageSurface&); } rows[] = {
        {"a block of another colour", [](ImageSurface& s) { s.fillBlock(0, 1499, 450, 450, rgb(192, 192, 192)); }},
        {"a line", [](ImageSurface& s) { s.line(0, 450, 1499, 450, rgb(192, 192, 192)); }},
        {"the surface cleared", [](ImageSurface& s) { s.clear(); }},
    };
    for (const auto& row : rows) {
        surface.fillBlock(150, 300, 600, 150, rgb(0, 0, 255));
        row.crossing(surface);
        const QRgb crossed = shown(15, 30);
        surface.fillBlock(150, 300, 600, 150, rgb(0, 0, 255));
        EXPECT_EQ(std::pair(crossed, shown(15, 30)), std::pair(kBack, kBlue)) << row.name;
        surface.clear();
    }
}

// A highlight lights bars far apart (one per panel of a comparison): only
// those bars are repainted, not the rectangle round them, while the stored
// drawing still repaints as one rectangle round all it touched.
TEST_F(QtPlatform, ScreenOnlyBlocksFarApartRepaintAlone) {
    surface.takeDirty();
    surface.setPersistent(false);
    surface.fillBlock(150, 299, 150, 299, rgb(0, 0, 255));    // pixels 10 … 19
    surface.fillBlock(1200, 1349, 1200, 1349, rgb(0, 0, 255));  // pixels 80 … 89
    surface.setPersistent(true);
    EXPECT_EQ(surface.takeDirty(), QRegion(10, 10, 10, 10) + QRegion(80, 80, 10, 10));

    surface.fillBlock(150, 299, 150, 299, rgb(0, 0, 255));
    surface.fillBlock(1200, 1349, 1200, 1349, rgb(0, 0, 255));
    EXPECT_EQ(surface.takeDirty(), QRegion(10, 10, 80, 80));
    EXPECT_EQ(surface.takeDirty(), QRegion());
}

// A highlight stays on the screen only: the stored image never holds it,
// a bar drawn elsewhere leaves it in place (and still takes the direct path
// that repaints only what grew, nothing when drawn lower), and the bar drawn
// over it takes it away.
TEST_F(QtPlatform, AHighlightLivesOnTheScreenUntilItsBarIsDrawnAgain) {
    surface.setPersistent(false);
    surface.fillBlock(150, 299, 150, 299, rgb(255, 0, 255));
    surface.setPersistent(true);
    EXPECT_EQ(std::pair(shown(15, 15), surface.hasScreenOnlyDrawing()), std::pair(kBack, true));
    surface.takeDirty();

    surface.fillBlock(1200, 1349, 600, 1349, rgb(0, 0, 255));
    surface.takeDirty();
    surface.fillBlock(1200, 1349, 750, 1349, rgb(0, 0, 255));
    EXPECT_TRUE(surface.takeDirty().isEmpty()) << "lower: nothing new";
    surface.fillBlock(1200, 1349, 450, 1349, rgb(0, 0, 255));
    EXPECT_EQ(std::pair(surface.takeDirty(), surface.hasScreenOnlyDrawing()), std::pair(QRegion(80, 30, 10, 10), true))
        << "only the part that grew";
    surface.fillBlock(150, 299, 150, 299, rgb(0, 0, 255));
    EXPECT_EQ(std::pair(surface.hasScreenOnlyDrawing(), shown(15, 15)), std::pair(false, kBlue));
}

// A sweep of the pointer lights each bar and puts it out again in the
// colour the stored image holds: that leaves nothing screen-only behind, and
// the bar is still repainted to show the put-out colour.
TEST_F(QtPlatform, ABarPutOutInItsStoredColourLeavesNothingOnTheScreenOnly) {
    surface.fillBlock(150, 299, 150, 299, rgb(0, 0, 255));
    surface.takeDirty();
    surface.setPersistent(false);
    surface.fillBlock(150, 299, 150, 299, rgb(255, 0, 255));
    surface.fillBlock(150, 299, 150, 299, rgb(0, 0, 255));
    surface.setPersistent(true);
    EXPECT_EQ(std::pair(surface.hasScreenOnlyDrawing(), surface.takeDirty()), std::pair(false, QRegion(10, 10, 10, 10)));
}

TEST_F(QtPlatform, TextWidthIsWhatQtFindsWhenItShapesTheText) {
    std::mt19937 random(7);
    const QImage device = referenceImage(QSize(1, 1), QImage::Format_RGB32);
    for (double size : {8.25, 15.0, 21.09375}) {
        for (bool bold : {false, true}) {
            const Font font{"Microsoft Sans Serif", size, bold};
            const QFontMetricsF shaped(qtFont(font), &device);
            for (int n = 0; n < 300; ++n) {
                QString text;
                for (int i = 0, length = 1 + int(random() % 24); i < length; ++i)
                    text += QChar(char16_t(random() % 3 ? 0x20 + random() % 95 : 0xA0 + random() % 0xE0));
                const int expected = int(std::ceil(shaped.horizontalAdvance(text))) * kTwipsPerPixel;
                EXPECT_EQ(metrics.measure(font, text.toStdString()).width, expected)
                    << text.toStdString() << " at " << size;
                EXPECT_EQ(metrics.advance(font, text.toStdString()), shaped.horizontalAdvance(text))
                    << text.toStdString() << " at " << size;
            }
        }
    }
}

TEST_F(QtPlatform, TextSizeDependsOnPointsNotOnTheScreen) {
    // 15 points are 20 pixels at 96 dpi, whatever the device; Liberation
    // Sans reaches 0.905 em above the baseline and 0.212 em below: 22.3 px.
    const Font font{"Microsoft Sans Serif", 15, false};
    EXPECT_EQ(metrics.measure(font, "Ag").height, 23 * kTwipsPerPixel);
    QFont onScreen = qtFont(font, 144);
    EXPECT_DOUBLE_EQ(onScreen.pointSizeF() * 144 / 72, 20.0);
    EXPECT_EQ(metrics.measure(font, "").width, 0);
}

// A drawing stretched to its place, or scaled alike both ways and centred.
TEST_F(QtPlatform, DrawingIsStretchedOrFittedToItsPlace) {
    // The pixels: blue or not.
    const struct { const char* name; Drawing drawing; QSize size; std::vector<std::pair<QPoint, bool>> pixels; }
    rows[] = {
        {"right half, stretched", Drawing(100, 100).add(FilledRect{{50, 0, 50, 100}, rgb(0, 0, 255)}), QSize(40, 30),
         {{{30, 15}, true}, {{21, 1}, true}, {{18, 15}, false}}},
        {"wide page, fitted: bands above and below",
         Drawing(100, 50, Fit::KeepAspect).add(FilledRect{{0, 0, 100, 50}, rgb(0, 0, 255)}), QSize(100, 100),
         {{{50, 50}, true}, {{1, 26}, true}, {{50, 10}, false}, {{50, 90}, false}}},
        {"polygon and pen", Drawing(10, 10).add(FilledPolygon{{{0, 0}, {10, 0}, {0, 10}}, rgb(0, 0, 255)})
             .add(Polyline{{{0, 9}, {10, 9}}, Pen{rgb(0, 0, 255), 2}}), QSize(100, 100),
         {{{10, 10}, true}, {{90, 90}, true}, {{90, 50}, false}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QImage image = referenceImage(row.size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        paintDrawing(p, row.drawing, QSizeF(row.size));
        p.end();
        for (const auto& [at, blue] : row.pixels)
            EXPECT_EQ(image.pixel(at) | 0xff000000u, blue ? kBlue : qRgb(255, 255, 255)) << at.x() << ", " << at.y();
    }
}

// A table goes out through the clipboard with its accents, tabs and line
// breaks as they are.
TEST_F(QtPlatform, ClipboardKeepsUtf8TextWhole)
{
    QtClipboard clipboard;
    const std::string table = "Origine\tSimulation\nÉcart quadratique moyen\t8,25\n";
    clipboard.setText(table);
    EXPECT_EQ(clipboard.text(), table);
}

// The machine's own sound input: where there is one it starts in a format
// the detector can take, where there is none (a build server) it says so in
// French rather than failing.
TEST_F(QtPlatform, SoundInputStartsOrSaysWhyNot)
{
    QtSoundInput input;
    SoundInput::Format format;
    const std::string refusal = input.start(format, [](const float*, std::size_t) {});
    if (refusal.empty()) {
        EXPECT_GT(format.sampleRate, 0);
        EXPECT_GT(format.channels, 0);
    } else {
        EXPECT_TRUE(refusal.starts_with("Aucune entrée son") || refusal.starts_with("L'entrée son")) << refusal;
    }
    input.stop();
}

}  // namespace
}  // namespace kolven::platform::qt
