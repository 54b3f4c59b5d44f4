#include <functional>

#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

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
