// The browser edition measures text from a table of the fonts' advances made
// at build time; here it must agree, to the twip, with the desktop's own
// measurement through Qt on every caption the window gives its controls.

#include <gtest/gtest.h>


#include <set>
#include <string>
#include <utility>

#include "platform/advance_table.h"
#include "platform/qt/fonts.h"
#include "shell/kolven_window.h"
#include "shell/page_texts.h"
#include "support/fake_platform.h"
#include "support/qt_application.h"

namespace kolven::platform::qt {
namespace {

// The fake display, measuring as the desktop does and keeping what it measured.
class QtMeasuredDisplay final : public WindowSystem {
public:
    Size measure(const Font& font, const std::string& text) const override
    {
        measured.insert({font.family + (font.bold ? "|b|" : "|r|") + std::to_string(font.size), text});
        fonts.insert({font.family, font.size, font.bold});
        return metrics.measure(font, text);
    }
    int screenWidthPixels() const override { return width; }
    int screenHeightPixels() const override { return height; }
    Surface& surface() override { return recorded; }
    void yield() override {}
    void endProgram() override {}
    void setArrowCursor() override {}
    char decimalSeparator() const override { return ','; }

    struct FontKey {
        std::string family;
        double size;
        bool bold;
        auto operator<=>(const FontKey&) const = default;
    };
    int width = 1024, height = 768;
    TextMetrics metrics;
    testing::RecordingSurface recorded;
    mutable std::set<std::pair<std::string, std::string>> measured;
    mutable std::set<FontKey> fonts;
};

TEST(AdvanceTable, MeasuresEveryCaptionAsQtDoes)
{
    kolven::test::useApplication();

    const AdvanceTableMeasurer table;
    const std::pair<int, int> screens[] = {{1024, 768}, {1366, 768}, {1280, 800}, {800, 600}, {1920, 1080}};
    for (const auto& [width, height] : screens) {
        QtMeasuredDisplay display;
        display.width = width;
        display.height = height;
        testing::FakeClock clock;
        testing::TestFileSystem files("/nonexistent", "/nonexistent", "/nonexistent");
        KolvenWindow window({display, clock, files});
        window.Form_Load();
        std::vector<std::pair<Font, std::string>> texts;
        for (const Control* c : window.controls()) {
            texts.push_back({c->font(), c->caption()});
            for (const std::string& entry : c->entries())
                texts.push_back({c->font(), entry});
        }
        // The pages fit their font to the screen: their lines at every size
        // the window's fonts take, in both weights.
        for (const auto* lines : {&pages::utilisationLines(), &pages::radioactivityLines(), &pages::aboutLines()})
            for (const pages::PageLine& line : *lines)
                for (const auto& font : display.fonts)
                    for (bool bold : {false, true})
                        texts.push_back({Font{font.family, font.size, bold}, line.text});
        for (const auto& [font, text] : texts) {
            const Size qt = display.metrics.measure(font, text);
            const Size mine = table.measure(font, text);
            EXPECT_TRUE(qt.width == mine.width && qt.height == mine.height)
                << width << "x" << height << " " << font.family << " " << font.size << (font.bold ? " bold" : "")
                << " \"" << text << "\": Qt " << qt.width << "x" << qt.height << ", table " << mine.width << "x"
                << mine.height;
        }
        EXPECT_GT(texts.size(), 100u);
    }
}

}  // namespace
}  // namespace kolven::platform::qt
