#include <cmath>
#include <functional>

#include "shell/page_texts.h"
#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

using platform::Alignment, platform::Color, platform::rgb;

const Color kRed = rgb(255, 0, 0), kBlue = rgb(0, 0, 255), kBlack = rgb(0, 0, 0);

struct Line { int label; const char* text; Color color; Alignment alignment; };

// A sample of each text page, in display order, typed from the pages'
// description rather than taken from the program's tables.
struct Page { const char* name; int entry; std::vector<Line> lines; int lineCount /* lines shown */; };
constexpr Alignment kLeft = Alignment::Left, kCentre = Alignment::Center;
const Page kPages[] = {
    {"utilisation", 0,
     {{1, "UTILISATION", kRed, kCentre},
      {2, "Comptage(s) ", kBlue, kLeft},
      {11, "  La  moyenne théorique peut être choisie. La valeur sera entre 0.1 et 170 .", kBlack, kLeft},
      {32, "  Les valeurs disponibles sont  0.1  1  4  9  16  25  36 et 49 .", kBlack, kLeft},
      {26, "    Somme de 2 comptages, 1/2 Somme de 2 comptages, et Somme diminuée du comptage suivant.", kBlack, kLeft},
      {29, "  Une comparaison entre l'histogramme origine et les deux distributions théoriques est présentée à l'écran.",
       kBlack, kLeft}},
     28},
    {"radioactivity", 1,
     {{1, "RADIOACTIVITÉ", kRed, kCentre},
      {3, "1 Becquerel (Bq) correspond à 1 désintégration par seconde", kBlue, kCentre},
      {12, "  Le taux de comptage représente le nombre moyen de détection(s) par seconde. Il est relié, pour une "
           "installation donné, ", kBlack, kLeft},
      {16, "en fonction de  la moyenne théorique fixée .", kBlack, kCentre}},
     16},
    {"laws", 3,
     {{1, "LOIS ASSOCIÉES AUX HISTOGRAMMES DES COMPTAGES", kRed, kCentre},
      {5, "Probabilité d 'obtenir (N)   =    e", kBlue, kLeft},
      {4, "- Nmoyen", kBlue, kLeft},
      {14, "*   ( Nmoyen )     /   Factorielle(N) ", kBlue, kLeft},
      {6, "Avec la loi de POISSON, la valeur de la moyenne et la valeur de la variance sont égales.", kBlack, kCentre},
      {7, "Si Nmoyen est trop élevé, alors le calcul devient impossible.", kRed, kCentre},
      {9, "-  ½ ( N - Nmoyen )² / Nmoyen", kBlue, kLeft},
      {12, "/     ( 2  Pi  Nmoyen )", kBlue, kLeft},
      {16, "Si p < 0.05, un tel écart n'arrive par hasard que moins d'une fois sur vingt : la loi est rejetée.", kBlack,
       kCentre}},
     16},
    {"about", 4, {{3, "Fichier associé : KOLVEN_11.KVL", kBlack, kCentre}}, 10},
};

class InformationPagesTest : public WindowFixture {
protected:
    void SetUp() override {
        writeIntervals(intervalText(std::vector<double>(40, 250)));
        start();
    }

    void open(int entry) { pick({&window->INFORMATIONS}, window->INFOS, entry); }

    Control& line(int n) { return window->pageLine(n); }

    std::vector<Control*> shownLines() {
        std::vector<Control*> shown;
        for (int i = 1; i <= 32; ++i)
            if (line(i).onScreen())
                shown.push_back(&line(i));
        return shown;
    }

    void expectClosed() {
        EXPECT_EQ(std::tuple(visibleOf({&window->Picture2, &window->STAT_Image3, &window->FIN}), shownLines().size(),
                             window->INFOS.index()), std::tuple(Names{"FIN"}, 0u, -1));
    }
};

TEST_F(InformationPagesTest, EachPageShowsItsLinesInTheirStyleOnTheScreen) {
    for (const Page& page : kPages) {
        SCOPED_TRACE(page.name);
        open(page.entry);
        const auto group = {&window->Picture2, &window->BLANCS, &window->FIN, &window->INFOS, &window->Label35};
        EXPECT_EQ(std::pair(visibleOf(group), window->INFOS.index()), std::pair(Names{"Picture2", "BLANCS"}, -1));
        for (const Line& l : page.lines) {
            const Control& c = line(l.label);
            EXPECT_EQ(std::tuple(c.onScreen(), c.caption(), c.fore(), c.alignment(), c.tooltip()),
                      std::tuple(true, l.text, l.color, l.alignment, " Cliquez pour fermer cette page ")) << l.label;
        }
        const std::vector<Control*> shown = shownLines();
        EXPECT_EQ(shown.size(), static_cast<std::size_t>(page.lineCount));
        const platform::Rect screen{0, 0, window->windowWidth(), window->windowHeight()};
        for (const Control* c : shown)
            EXPECT_TRUE(c->windowRect().left >= 0 && c->windowRect().right() <= screen.right() &&
                        c->windowRect().bottom() <= screen.bottom()) << c->name();
        click(line(1));
    }
}

// The use page: as wide as its longest line with four blanks more, centred,
// its lines one under the other in the order of the page; Label12 filled
// but hidden.
TEST_F(InformationPagesTest, UsePageIsSizedOnItsLongestLineAndReadsDownwards) {
    for (auto [width, height] : {std::pair{1024, 768}, {1920, 1080}}) {
        SCOPED_TRACE(width);
        display.widthPixels = width;
        display.heightPixels = height;
        start();
        open(0);
        const platform::Font font = line(6).font();
        EXPECT_EQ(font.size, std::round(window->FIN.font().size));
        EXPECT_EQ(window->BLANCS.width(), display.measure(font, line(6).caption() + "    ").width);
        int previousBottom = 0;
        for (const pages::PageLine& p : pages::utilisationLines()) {
            EXPECT_GE(line(p.label).top(), previousBottom) << p.label;
            previousBottom = line(p.label).rect().bottom();
        }
        EXPECT_EQ(std::pair(line(12).caption(), line(12).visible()),
                  std::pair(std::string("  La valeur sera entre 0.1 et 170 ."), false));
    }
}

// Each exponent starts where the measured text before it ends, and is raised.
TEST_F(InformationPagesTest, ExponentsFollowTheMeasuredTextAndAreRaised) {
    open(3);
    const platform::Font font = line(5).font();
    const auto width = [&](const char* text) { return display.measure(font, text).width; };
    EXPECT_EQ(line(4).left(), line(5).left() + width("Probabilité d 'obtenir (N)   =    e "));
    // A blank of the line's font parts an exponent from the text after it.
    EXPECT_EQ(line(14).left(), line(4).rect().right() + width(" "));
    EXPECT_EQ(line(13).left(), line(14).left() + width("*   ( Nmoyen )"));
    // The Gauss formula is placed by the same code: its raising is enough.
    for (auto [exponent, base] : {std::pair{4, 5}, {13, 14}, {9, 10}, {11, 12}}) {
        const platform::Rect e = line(exponent).rect(), b = line(base).rect();
        EXPECT_TRUE(line(exponent).font().size < font.size && e.top < b.top && b.top < e.bottom() && e.bottom() < b.bottom())
            << exponent;
    }
    // Nothing of the line above reaches down to the formula.
    EXPECT_TRUE(line(3).rect().bottom() <= line(4).top() && line(8).rect().bottom() <= line(9).top());
}

TEST_F(InformationPagesTest, StatisticsPageIsOnePictureOverTheWholeScreen) {
    open(2);
    const Control& picture = window->STAT_Image3;
    EXPECT_EQ(std::tuple(shownLines().size(), picture.onScreen(), picture.picture() != nullptr, picture.windowRect()),
              std::tuple(0u, true, true, platform::Rect{0, 0, window->windowWidth(), window->windowHeight()}));
    EXPECT_EQ(visibleOf({&window->STAT_Image1, &window->STAT_Image2}), Names{});
    click(picture);
    expectClosed();
}

// A click anywhere on a page closes it: on its background, on a line, on
// the statistics picture; the same entry then opens the page again, alike.
TEST_F(InformationPagesTest, AClickAnywhereClosesAndTheSameEntryOpensAgainAlike) {
    const auto snapshot = [&] {
        std::vector<std::tuple<std::string, platform::Rect, bool>> all;
        for (int i = 1; i <= 32; ++i)
            all.emplace_back(line(i).caption(), line(i).windowRect(), line(i).onScreen());
        all.emplace_back("", window->BLANCS.windowRect(), window->BLANCS.onScreen());
        return all;
    };
    for (int entry : {0, 1, 3, 4}) {
        open(entry);
        const auto first = snapshot();
        // The bottom-right corner of the screen holds no line on any page.
        clickAt(window->windowWidth() - 1, window->windowHeight() - 1);
        expectClosed();
        open(entry);
        EXPECT_TRUE(snapshot() == first) << entry;
        click(*shownLines().back());
        expectClosed();
    }
}

// The information menu hides the analysis view's Gauss column; closing a
// page brings it back only while that view is open.
TEST_F(InformationPagesTest, ClosingBringsBackTheGaussColumnOnlyWithTheAnalysisView) {
    for (bool analysisOpen : {true, false}) {
        SCOPED_TRACE(analysisOpen);
        window->Label36.setVisible(analysisOpen);
        const auto gauss = {&window->NMOYENG, &window->EQM2_G, &window->SIGMA2G};
        for (Control* c : gauss)
            c->show();
        open(1);
        EXPECT_FALSE(window->NMOYENG.visible());
        window->Label33.show();
        window->Label34.show();
        click(line(1));
        EXPECT_EQ((analysisOpen ? hiddenOf(gauss) : visibleOf(gauss)), Names{});
        EXPECT_EQ(visibleOf({&window->Label33, &window->Label34}), Names{});
    }
}

// Every element of the four pop-up menus, in sorted order.
const char* const kMenuElements[] = {"ASSOCIATIONS_List", "AUGMENT1", "AUGMENT2", "DIMINUE1", "DIMINUE2", "GAUSSIEN",
                                     "INFOS", "LANCER_N", "Label33", "Label34", "Label35", "Label37", "Label38",
                                     "POISS", "THEORIQUE_Label", "VALEUR_A_Label", "VALEUR_A_List"};

// Each menu's elements, sorted, with the simulation group highlighted, and
// what " Quitter " leaves of them: it hides only the run lengths, the steps,
// the theoretical choices and the information list.
struct Menu { const char* name; Control KolvenWindow::*opener; Names elements, leftByQuit; };
const Menu kMenus[] = {
    {"run lengths", &KolvenWindow::LANCER1, {"LANCER_N", "Label34"}, {"Label34"}},
    {"theoretical mean", &KolvenWindow::DUREES1,
     {"AUGMENT1", "AUGMENT2", "DIMINUE1", "DIMINUE2", "Label33", "VALEUR_A_Label", "VALEUR_A_List"},
     {"Label33", "VALEUR_A_Label", "VALEUR_A_List"}},
    {"origin", &KolvenWindow::ORIGINE, {"ASSOCIATIONS_List", "Label37", "Label38", "THEORIQUE_Label"},
     {"ASSOCIATIONS_List", "Label37", "Label38", "THEORIQUE_Label"}},
    {"information", &KolvenWindow::INFORMATIONS, {"INFOS", "Label35"}, {"Label35"}},
};

class PopupMenusTest : public WindowFixture {
protected:
    // Five counts of 9 (intervals of 250 at the start-up mean 9): every
    // command is enabled and the deviation read-out shows its σ².
    void SetUp() override {
        startSimulation(std::vector<double>(20, 250));
        run(2);
        ASSERT_TRUE(window->ANALYSES.enabled() && window->EQM2_N.visible());
        ASSERT_EQ(window->controlAt(5, 5), &window->Picture1);  // the bare title band
    }

    Names openElements() const {
        Names open;
        for (const char* name : kMenuElements)
            if (window->control(name)->visible())
                open.push_back(name);
        return open;
    }

    // Hovers a control after making sure the pointer really lands on it.
    void reach(const Control& c) {
        const platform::Rect r = c.windowRect();
        ASSERT_EQ(window->controlAt(r.left + r.width / 2, r.top + r.height / 2), &c) << c.name();
        hover(c);
    }

    // A point of the plot area that no control covers, menus open or not.
    void clickBackground() {
        const int x = window->windowWidth() / 2, y = window->display.POSAXE_I - 1000;
        ASSERT_EQ(window->controlAt(x, y), nullptr);
        clickAt(x, y);
    }
};

TEST_F(PopupMenusTest, OpeningAMenuClosesWhicheverWasOpen) {
    for (const Menu& from : kMenus)
        for (const Menu& to : kMenus) {
            SCOPED_TRACE(std::string(from.name) + " then " + to.name);
            reach((*window).*from.opener);
            EXPECT_EQ(openElements(), from.elements);
            reach((*window).*to.opener);
            EXPECT_EQ(openElements(), to.elements);
        }
}

// Every closer but " Quitter " hides all and brings back σ², which the
// origin and mean menus hide when they open.
TEST_F(PopupMenusTest, EveryCloserClosesEachMenu) {
    const struct { const char* name; std::function<void()> act; bool partial; } rows[] = {
        {"title band", [&] { window->pointerMoved(5, 5); }, false},
        // The arrows share one closer, as the title text shares the band's.
        {"an arrow", [&] { reach(window->F_H_D_Image); }, false},
        {"Analyse statistique", [&] { reach(window->ANALYSES); }, false},
        {"Effacer", [&] { reach(window->EFFACERS); }, false},
        {"background click", [&] { clickBackground(); }, false},
        {"Quitter", [&] { reach(window->FIN); }, true},
    };
    for (const auto& row : rows)
        for (const Menu& menu : kMenus) {
            SCOPED_TRACE(std::string(row.name) + " closing the " + menu.name + " menu");
            reach((*window).*menu.opener);
            row.act();
            EXPECT_EQ(openElements(), row.partial ? menu.leftByQuit : Names{});
            EXPECT_TRUE(row.partial || window->SIGMA2.visible());
            reach(window->TITRE);  // every menu closed before the next row
        }
}

// A choice in a command list closes every menu and leaves no entry selected;
// the column the list covered comes back at once, but under a page only
// when the page closes.
TEST_F(PopupMenusTest, AChoiceInACommandListClosesItAndKeepsNoEntry) {
    click(window->ANALYSES);
    const auto gauss = {&window->NMOYENG, &window->EQM2_G, &window->SIGMA2G};
    const struct { const char* name; Control KolvenWindow::*opener, KolvenWindow::*list; int entry; bool back; } rows[] = {
        {"copying the table", &KolvenWindow::EXPORTER, &KolvenWindow::EXPORTER_List, 2, true},
        {"the supplied stream", &KolvenWindow::DETECTEUR, &KolvenWindow::DETECTEUR_List, 2, true},
        {"a page", &KolvenWindow::INFORMATIONS, &KolvenWindow::INFOS, 1, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        reach((*window).*row.opener);
        ASSERT_EQ(visibleOf(gauss), Names{});
        pick((*window).*row.list, row.entry);
        EXPECT_EQ(std::tuple(openElements(), visibleOf(window->commandMenus()), ((*window).*row.list).index(),
                             hiddenOf(gauss).empty()), std::tuple(Names{}, Names{}, -1, row.back));
    }
}

TEST_F(PopupMenusTest, BackgroundClickDuringARunLeavesTheMenuOpen) {
    // The commands are hidden during a run, so the menu is opened by its
    // handler; it hides σ², which the click must not bring back.
    Names openAfterClick;
    display.onYield = [&](int) {
        window->ORIGINE_PointerOver();
        clickBackground();
        openAfterClick = openElements();
        EXPECT_FALSE(window->SIGMA2.visible());
    };
    run(1);  // two counts
    EXPECT_EQ(openAfterClick, kMenus[2].elements) << "the origin menu stays open";

    display.onYield = nullptr;
    clickBackground();
    EXPECT_EQ(openElements(), Names{});
}

// A disabled label passes the pointer to the window: at start-up
// " Effacer " is disabled, so passing over it leaves the origin menu open
// and a click on it is a click on the background.
using PopupMenusAtStartTest = WindowFixture;

TEST_F(PopupMenusAtStartTest, DisabledEffacerBehavesAsTheBackground) {
    start();
    ASSERT_FALSE(window->EFFACERS.enabled());
    const auto menu = {&window->Label37, &window->Label38};
    hover(window->EFFACERS);
    EXPECT_EQ(hiddenOf(menu), Names{});
    click(window->EFFACERS);
    EXPECT_EQ(visibleOf(menu), Names{});
}

}  // namespace
}  // namespace kolven::testing
