#include <cmath>
#include <string>
#include <vector>

#include "shell/page_texts.h"
#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

using platform::Alignment;
using platform::Color;
using platform::rgb;

const Color kRed = rgb(255, 0, 0), kBlue = rgb(0, 0, 255), kBlack = rgb(0, 0, 0);

struct Line {
    int label;
    const char* text;
    Color color;
    Alignment alignment;
};

// A sample of each text page, in display order, typed from the pages'
// description rather than taken from the program's tables.
struct Page {
    const char* name;
    int entry;
    std::vector<Line> lines;
    int lineCount;  // lines shown
};
const Page kPages[] = {
    {"utilisation",
     0,
     {{1, "UTILISATION", kRed, Alignment::Center},
      {2, "Comptage(s) ", kBlue, Alignment::Left},
      {11, "  La  moyenne théorique peut être choisie. La valeur sera entre 0.1 et 170 .", kBlack, Alignment::Left},
      {32, "  Les valeurs disponibles sont  0.1  1  4  9  16  25  36 et 49 .", kBlack, Alignment::Left},
      {26, "    Somme de 2 comptages, 1/2 Somme de 2 comptages, et Somme diminuée du comptage suivant.", kBlack,
       Alignment::Left},
      {29,
       "  Une comparaison entre l'histogramme origine et les deux distributions théoriques est présentée à l'écran.",
       kBlack, Alignment::Left}},
     28},
    {"radioactivity",
     1,
     {{1, "RADIOACTIVITÉ", kRed, Alignment::Center},
      {3, "1 Becquerel (Bq) correspond à 1 désintégration par seconde", kBlue, Alignment::Center},
      {12,
       "  Le taux de comptage représente le nombre moyen de détection(s) par seconde. Il est relié, pour une "
       "installation donné, ",
       kBlack, Alignment::Left},
      {16, "en fonction de  la moyenne théorique fixée .", kBlack, Alignment::Center}},
     16},
    {"laws",
     3,
     {{1, "LOIS ASSOCIÉES AUX HISTOGRAMMES DES COMPTAGES", kRed, Alignment::Center},
      {5, "Probabilité d 'obtenir (N)   =    e", kBlue, Alignment::Left},
      {4, "- Nmoyen", kBlue, Alignment::Left},
      {14, "*   ( Nmoyen )     /   Factorielle(N) ", kBlue, Alignment::Left},
      {6, "Avec la loi de POISSON, la valeur de la moyenne et la valeur de la variance sont égales.", kBlack,
       Alignment::Center},
      {7, "Si Nmoyen est trop élevé, alors le calcul devient impossible.", kRed, Alignment::Center},
      {9, "-  ½ ( N - Nmoyen )² / Nmoyen", kBlue, Alignment::Left},
      {12, "/     ( 2  Pi  Nmoyen )", kBlue, Alignment::Left},
      {16, "Si p < 0.05, un tel écart n'arrive par hasard que moins d'une fois sur vingt : la loi est rejetée.",
       kBlack, Alignment::Center}},
     16},
    {"about", 4, {{3, "Fichier associé : KOLVEN_11.KVL", kBlack, Alignment::Center}}, 10},
};

class InformationPagesTest : public WindowFixture {
protected:
    void SetUp() override
    {
        writeIntervals(intervalText(std::vector<double>(40, 250)));
        start();
    }

    void open(int entry)
    {
        hover(window->INFORMATIONS);
        pick(window->INFOS, entry);
    }

    Control& line(int n) { return window->pageLine(n); }

    std::vector<Control*> shownLines()
    {
        std::vector<Control*> shown;
        for (int i = 1; i <= 32; ++i)
            if (line(i).onScreen())
                shown.push_back(&line(i));
        return shown;
    }

    void expectClosed()
    {
        EXPECT_FALSE(window->Picture2.visible());
        EXPECT_TRUE(shownLines().empty());
        EXPECT_FALSE(window->STAT_Image3.visible());
        EXPECT_TRUE(window->FIN.visible());
        EXPECT_EQ(window->INFOS.index(), -1);
    }
};

TEST_F(InformationPagesTest, EachPageShowsItsLinesInTheirStyleOnTheScreen)
{
    for (const Page& page : kPages) {
        SCOPED_TRACE(page.name);
        open(page.entry);
        EXPECT_TRUE(window->Picture2.visible() && window->BLANCS.visible());
        EXPECT_FALSE(window->FIN.visible());
        EXPECT_FALSE(window->INFOS.visible() || window->Label35.visible());
        EXPECT_EQ(window->INFOS.index(), -1);
        for (const Line& l : page.lines) {
            SCOPED_TRACE(l.label);
            EXPECT_TRUE(line(l.label).onScreen());
            EXPECT_EQ(line(l.label).caption(), l.text);
            EXPECT_EQ(line(l.label).fore(), l.color);
            EXPECT_EQ(line(l.label).alignment(), l.alignment);
            EXPECT_EQ(line(l.label).tooltip(), " Cliquez pour fermer cette page ");
        }
        const std::vector<Control*> shown = shownLines();
        EXPECT_EQ(shown.size(), static_cast<std::size_t>(page.lineCount));
        for (const Control* c : shown) {
            EXPECT_GE(c->windowRect().left, 0) << c->name();
            EXPECT_LE(c->windowRect().right(), window->windowWidth()) << c->name();
            EXPECT_LE(c->windowRect().bottom(), window->windowHeight()) << c->name();
        }
        click(line(1));
    }
}

// The use page: as wide as its longest line with four blanks more, centred,
// its lines one under the other in the order of the page; Label12 filled
// but hidden.
TEST_F(InformationPagesTest, UsePageIsSizedOnItsLongestLineAndReadsDownwards)
{
    for (auto [width, height] : {std::pair{1024, 768}, {1920, 1080}}) {
        SCOPED_TRACE(width);
        display.widthPixels = width;
        display.heightPixels = height;
        start();
        open(0);
        const platform::Font font = line(6).font();
        EXPECT_EQ(font.size, std::round(window->FIN.font().size));
        const int expected = display.measure(font, line(6).caption() + "    ").width;
        EXPECT_EQ(window->BLANCS.width(), expected);
        int previousBottom = 0;
        for (const pages::PageLine& p : pages::utilisationLines()) {
            EXPECT_GE(line(p.label).top(), previousBottom) << p.label;
            previousBottom = line(p.label).rect().bottom();
        }
        EXPECT_EQ(line(12).caption(), "  La valeur sera entre 0.1 et 170 .");
        EXPECT_FALSE(line(12).visible());
    }
}

// Each exponent starts where the measured text before it ends, and is raised.
TEST_F(InformationPagesTest, ExponentsFollowTheMeasuredTextAndAreRaised)
{
    open(3);
    const platform::Font font = line(5).font();
    const auto width = [&](const char* text) { return display.measure(font, text).width; };
    EXPECT_EQ(line(4).left(), line(5).left() + width("Probabilité d 'obtenir (N)   =    e "));
    // A blank of the line's font parts an exponent from the text after it.
    EXPECT_EQ(line(14).left(), line(4).rect().right() + width(" "));
    EXPECT_EQ(line(13).left(), line(14).left() + width("*   ( Nmoyen )"));
    // The Gauss formula is placed by the same code: its raising is enough.
    for (auto [exponent, base] : {std::pair{4, 5}, {13, 14}, {9, 10}, {11, 12}}) {
        EXPECT_LT(line(exponent).font().size, font.size) << exponent;
        EXPECT_LT(line(exponent).top(), line(base).top()) << exponent;
        EXPECT_GT(line(exponent).rect().bottom(), line(base).top()) << exponent;
        EXPECT_LT(line(exponent).rect().bottom(), line(base).rect().bottom()) << exponent;
    }
    // Nothing of the line above reaches down to the formula.
    EXPECT_LE(line(3).rect().bottom(), line(4).top());
    EXPECT_LE(line(8).rect().bottom(), line(9).top());
}

TEST_F(InformationPagesTest, StatisticsPageIsOnePictureOverTheWholeScreen)
{
    open(2);
    EXPECT_TRUE(shownLines().empty());
    const Control& picture = window->STAT_Image3;
    ASSERT_TRUE(picture.onScreen());
    ASSERT_TRUE(picture.picture());
    EXPECT_EQ(picture.windowRect(), (platform::Rect{0, 0, window->windowWidth(), window->windowHeight()}));
    EXPECT_FALSE(window->STAT_Image1.visible() || window->STAT_Image2.visible());
    click(picture);
    expectClosed();
}

// A click anywhere on a page closes it: on its background, on a line, on
// the statistics picture; the same entry then opens the page again, alike.
TEST_F(InformationPagesTest, AClickAnywhereClosesAndTheSameEntryOpensAgainAlike)
{
    struct Snapshot {
        std::string caption;
        platform::Rect rect;
        bool shown;
        bool operator==(const Snapshot&) const = default;
    };
    const auto snapshot = [&] {
        std::vector<Snapshot> all;
        for (int i = 1; i <= 32; ++i)
            all.push_back({line(i).caption(), line(i).windowRect(), line(i).onScreen()});
        all.push_back({"", window->BLANCS.windowRect(), window->BLANCS.onScreen()});
        return all;
    };
    for (int entry : {0, 1, 3, 4}) {
        SCOPED_TRACE(entry);
        open(entry);
        const auto first = snapshot();
        // The bottom-right corner of the screen holds no line on any page.
        window->pointerPressed(window->windowWidth() - 1, window->windowHeight() - 1);
        window->pointerReleased(window->windowWidth() - 1, window->windowHeight() - 1);
        expectClosed();
        open(entry);
        EXPECT_TRUE(snapshot() == first);
        click(*shownLines().back());
        expectClosed();
    }
}

// The information menu hides the analysis view's Gauss column; closing a
// page brings it back only while that view is open.
TEST_F(InformationPagesTest, ClosingBringsBackTheGaussColumnOnlyWithTheAnalysisView)
{
    for (bool analysisOpen : {true, false}) {
        SCOPED_TRACE(analysisOpen);
        window->Label36.setVisible(analysisOpen);
        for (Control* c : {&window->NMOYENG, &window->EQM2_G, &window->SIGMA2G})
            c->show();
        open(1);
        EXPECT_FALSE(window->NMOYENG.visible());
        window->Label33.show();
        window->Label34.show();
        click(line(1));
        for (Control* c : {&window->NMOYENG, &window->EQM2_G, &window->SIGMA2G})
            EXPECT_EQ(c->visible(), analysisOpen) << c->name();
        EXPECT_FALSE(window->Label33.visible() || window->Label34.visible());
    }
}

}  // namespace
}  // namespace kolven::testing
