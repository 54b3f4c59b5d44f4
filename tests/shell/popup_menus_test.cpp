#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

// Every element of the four pop-up menus.
const char* const kMenuElements[] = {"LANCER_N", "VALEUR_A_Label", "VALEUR_A_List", "Label33", "Label34", "Label35",
                                     "Label37", "Label38", "AUGMENT1", "AUGMENT2", "DIMINUE1", "DIMINUE2",
                                     "THEORIQUE_Label", "POISS", "GAUSSIEN", "ASSOCIATIONS_List", "INFOS"};

struct Menu {
    const char* name;
    Control KolvenWindow::*opener;
    std::vector<std::string> elements;  // with the simulation group highlighted
};
const Menu kMenus[] = {
    {"run lengths", &KolvenWindow::LANCER1, {"Label34", "LANCER_N"}},
    {"theoretical mean", &KolvenWindow::DUREES1,
     {"Label33", "AUGMENT1", "AUGMENT2", "VALEUR_A_Label", "VALEUR_A_List", "DIMINUE1", "DIMINUE2"}},
    {"origin", &KolvenWindow::ORIGINE, {"Label37", "THEORIQUE_Label", "Label38", "ASSOCIATIONS_List"}},
    {"information", &KolvenWindow::INFORMATIONS, {"Label35", "INFOS"}},
};

std::vector<std::string> sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

class PopupMenusTest : public WindowFixture {
protected:
    // Five counts of 9 (intervals of 250 at the start-up mean 9): every
    // command is enabled and the deviation read-out shows its σ².
    void SetUp() override
    {
        writeIntervals(intervalText(std::vector<double>(20, 250)));
        start();
        chooseSimulation();
        run(2);
        ASSERT_EQ(window->SN_L, 5);
        ASSERT_TRUE(window->ANALYSES.enabled());
        ASSERT_TRUE(window->EFFACERS.enabled());
        ASSERT_TRUE(window->EQM2_N.visible());
        ASSERT_EQ(window->controlAt(5, 5), &window->Picture1);  // the bare title band
    }

    std::vector<std::string> openElements() const
    {
        std::vector<std::string> open;
        for (const char* name : kMenuElements)
            if (window->control(name)->visible())
                open.push_back(name);
        return sorted(open);
    }

    // Hovers a control after making sure the pointer really lands on it.
    void reach(const Control& c)
    {
        const platform::Rect r = c.windowRect();
        ASSERT_EQ(window->controlAt(r.left + r.width / 2, r.top + r.height / 2), &c) << c.name();
        hover(c);
    }

    // A point of the plot area that no control covers, menus open or not.
    void clickBackground()
    {
        const int x = window->windowWidth() / 2, y = window->POSAXE_I - 1000;
        ASSERT_EQ(window->controlAt(x, y), nullptr);
        window->pointerPressed(x, y);
        window->pointerReleased(x, y);
    }
};

TEST_F(PopupMenusTest, OpeningAMenuClosesWhicheverWasOpen)
{
    for (const Menu& from : kMenus)
        for (const Menu& to : kMenus) {
            SCOPED_TRACE(std::string(from.name) + " then " + to.name);
            reach((*window).*from.opener);
            EXPECT_EQ(openElements(), sorted(from.elements));
            reach((*window).*to.opener);
            EXPECT_EQ(openElements(), sorted(to.elements));
        }
}

// FIN hides the lists and the choices but leaves the headers and the
// origin's group labels; every other closer hides all and brings back σ²,
// which the origin and mean menus hide when they open.
TEST_F(PopupMenusTest, EveryCloserClosesEachMenu)
{
    const std::vector<std::string> finHides = {"LANCER_N", "AUGMENT1", "AUGMENT2", "DIMINUE1",
                                               "DIMINUE2", "POISS",    "GAUSSIEN", "INFOS"};
    struct Row {
        const char* name;
        std::function<void()> act;
        bool partial;
    };
    const Row rows[] = {
        {"title band", [&] { window->pointerMoved(5, 5); }, false},
        {"title text", [&] { reach(window->TITRE); }, false},
        {"one bin right", [&] { reach(window->F_H_D_Image); }, false},
        {"ten bins right", [&] { reach(window->F_H_D_10); }, false},
        {"more bins", [&] { reach(window->F_H_P_Image); }, false},
        {"fewer bins", [&] { reach(window->F_H_M_Image1); }, false},
        {"Analyse statistique", [&] { reach(window->ANALYSES); }, false},
        {"Effacer", [&] { reach(window->EFFACERS); }, false},
        {"background click", [&] { clickBackground(); }, false},
        {"Quitter", [&] { reach(window->FIN); }, true},
    };
    for (const Row& row : rows)
        for (const Menu& menu : kMenus) {
            SCOPED_TRACE(std::string(row.name) + " closing the " + menu.name + " menu");
            reach((*window).*menu.opener);
            row.act();
            std::vector<std::string> left;
            if (row.partial)
                for (const std::string& e : menu.elements)
                    if (std::find(finHides.begin(), finHides.end(), e) == finHides.end())
                        left.push_back(e);
            EXPECT_EQ(openElements(), sorted(left));
            if (!row.partial) {
                EXPECT_TRUE(window->SIGMA2.visible());
            }
            reach(window->TITRE);  // every menu closed before the next row
        }
}

TEST_F(PopupMenusTest, BackgroundClickDuringARunLeavesTheMenuOpen)
{
    bool openAfterClick = false, sigmaAfterClick = true;
    const int secondCount = display.yields + 2;
    display.onYield = [&](int yield) {
        if (yield != secondCount)
            return;
        // The commands are hidden during a run, so the menu is opened by its
        // handler; it hides σ², which the click must not bring back.
        window->ORIGINE_PointerOver();
        clickBackground();
        openAfterClick = window->Label37.visible() && window->ASSOCIATIONS_List.visible();
        sigmaAfterClick = window->SIGMA2.visible();
    };
    run(2);
    EXPECT_TRUE(openAfterClick);
    EXPECT_FALSE(sigmaAfterClick);
    EXPECT_EQ(window->SN_L, 10);

    display.onYield = nullptr;
    clickBackground();
    EXPECT_TRUE(openElements().empty());
}

// The Gauss column of the analysis shares the menus' corner of the screen:
// the information menu hides it, and closing brings it back only when the
// analysis view (its return label) is on screen.
TEST_F(PopupMenusTest, GaussColumnComesBackOnlyWithTheAnalysisView)
{
    for (bool analysisOpen : {false, true}) {
        SCOPED_TRACE(analysisOpen ? "analysis view open" : "series view");
        for (Control* c : {&window->NMOYENG, &window->EQM2_G, &window->SIGMA2G})
            c->show();
        reach(window->INFORMATIONS);
        EXPECT_FALSE(window->NMOYENG.visible());
        window->Label36.setVisible(analysisOpen);
        clickBackground();
        for (const Control* c : {&window->NMOYENG, &window->EQM2_G, &window->SIGMA2G})
            EXPECT_EQ(c->visible(), analysisOpen) << c->name();
    }
}

// A disabled label passes the pointer to the window: at start-up
// " Effacer " is disabled, so passing over it leaves the origin menu open
// and a click on it is a click on the background.
using PopupMenusAtStartTest = WindowFixture;

TEST_F(PopupMenusAtStartTest, DisabledEffacerBehavesAsTheBackground)
{
    start();
    ASSERT_FALSE(window->EFFACERS.enabled());
    ASSERT_TRUE(window->Label37.visible());
    hover(window->EFFACERS);
    EXPECT_TRUE(window->Label37.visible());
    EXPECT_TRUE(window->Label38.visible());
    click(window->EFFACERS);
    EXPECT_FALSE(window->Label37.visible());
    EXPECT_FALSE(window->Label38.visible());
}

}  // namespace
}  // namespace kolven::testing
