#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "shell/kolven_window.h"
#include "support/fake_platform.h"
#include "support/temp_folder.h"

// The window tests take their standard headers from here.

namespace kolven::testing {

// Intervals written as the interval file holds them: decimal text, blanks
// between values.
inline std::string intervalText(const std::vector<double>& values) {
    std::ostringstream text;
    for (double v : values)
        text << v << ' ';
    return text.str();
}

using Names = std::vector<std::string>;

// The controls shown over an area of the window: every control on screen
// whose rectangle meets the area, among those stacked above `below` (all of
// them when `below` is null). Labels, lists and pictures are opaque.
inline Names shownOver(const KolvenWindow& window, const platform::Rect& area,
                                          const platform::Control* below = nullptr) {
    Names names;
    bool above = below == nullptr;
    for (const platform::Control* c : window.controls()) {
        if (c == below) {
            above = true;
            continue;
        }
        if (!above || !c->onScreen())
            continue;
        const platform::Rect r = c->windowRect();
        if (r.left < area.right() && area.left < r.right() && r.top < area.bottom() && area.top < r.bottom())
            names.push_back(c->name());
    }
    return names;
}

// Intervals all equal to 250: at a whole mean t every count is t.
inline const std::vector<double> kRegular(50, 250.0);
constexpr int kHundred = 6;  // entry of LANCER_N for a hundred counts

// A main window on a fake display, with real files in folders of its own:
// the working folder (where the interval file goes), the export root and
// an empty program folder.
class WindowFixture : public ::testing::Test {
protected:
    WindowFixture() {
        for (const char* folder : {"work", "export", "program"})
            std::filesystem::create_directory(m_root.file(folder));
    }

    std::filesystem::path exportRoot() const { return m_root.file("export"); }
    void writeIntervals(const std::string& text) { m_root.write(std::string("work/") + kIntervalFileName, text); }

    // Builds and loads the window; exportRootOverride replaces the export root.
    KolvenWindow& start(std::optional<std::string> exportRootOverride = std::nullopt) {
        window.reset();  // the window uses the file service to its end: it goes first
        files = std::make_unique<TestFileSystem>(exportRootOverride.value_or(exportRoot().string()),
                                                 m_root.file("work"), m_root.file("program"));
        window = std::make_unique<KolvenWindow>(platform::Services{display, clock, *files});
        window->Form_Load();
        // A count may wait for the reading only so long: on a loaded machine
        // the tests would race it.
        EXPECT_TRUE(window->intervalsRead(60));
        return *window;
    }

    // The pointer, as a person moves it: on the centre of a control.
    static int centreX(const platform::Control& c) { return c.windowRect().left + c.windowRect().width / 2; }
    static int centreY(const platform::Control& c) { return c.windowRect().top + c.windowRect().height / 2; }
    void hover(const platform::Control& c) { window->pointerMoved(centreX(c), centreY(c)); }
    void press(const platform::Control& c) { window->pointerPressed(centreX(c), centreY(c)); }
    void clickAt(int x, int y) { window->pointerPressed(x, y); window->pointerReleased(x, y); }
    void click(const platform::Control& c) { clickAt(centreX(c), centreY(c)); }
    void clickTimes(const platform::Control& c, int times) {
        for (int i = 0; i < times; ++i)
            click(c);
    }
    // Through a menu: over each of `path`, then a click on an entry of the list.
    void pick(std::initializer_list<const Control*> path, const platform::Control& list, int entry) {
        for (const Control* c : path)
            hover(*c);
        pick(list, entry);
    }
    void pick(const platform::Control& list, int entry) {
        const int y = list.windowRect().top + platform::kListFrame / 2 + entry * list.itemHeight();
        clickAt(centreX(list), y + list.itemHeight() / 2);
    }

    // The names of the controls of a group that are visible, hidden, or that
    // a person cannot use (hidden or disabled): a whole group checked in one
    // line, the culprits named when it fails.
    using Group = std::initializer_list<const Control*>;
    template <class G = Group>
    static Names namesOf(const G& group, bool (*keep)(const Control&)) {
        Names names;
        for (const Control* c : group)
            if (keep(*c))
                names.push_back(c->name());
        return names;
    }
    template <class G = Group>
    static Names visibleOf(const G& g) { return namesOf(g, [](const Control& c) { return c.visible(); }); }
    template <class G = Group>
    static Names hiddenOf(const G& g) { return namesOf(g, [](const Control& c) { return !c.visible(); }); }
    template <class G = Group>
    static Names unusableOf(const G& g) {
        return namesOf(g, [](const Control& c) { return !c.visible() || !c.enabled(); });
    }
    // The pointer over a bin, of the series plot or of a panel of the
    // comparison (kPoissonPanel …), in the read-out band, `offset` along it.
    int seriesBandY() const {
        const double top = window->EQM2_N.top() + 1.1 * window->EQM2_N.height();
        return static_cast<int>((top + window->EFF_EXP.top() - window->EFF_EXP.height() / 4.0) / 2);
    }
    int analysisBandY() const {
        const double top = window->SOMME_POIS.top() + 1.1 * window->SOMME_POIS.height();
        return static_cast<int>((top + window->EFF_EXP.top() + window->EFF_EXP.height()) / 2);
    }
    int xOfBin(int bin, int panel = -1) const {
        const PlotGeometry plot = panel < 0 ? window->seriesPlot() : window->columnPlot(window->comparisonColumns()[panel]);
        return static_cast<int>(plot.centreOf(bin));
    }
    void readBin(int bin, int panel = -1, int offset = 0) {
        window->pointerMoved(xOfBin(bin, panel) + offset, panel < 0 ? seriesBandY() : analysisBandY());
    }
    // A caption as the user reads it: nothing while the control is hidden.
    static std::string seen(const platform::Control& c) { return c.visible() ? c.caption() : ""; }

    // Chooses simulated counts through the origin menu, as a person does.
    void chooseSimulation(int association = 0) {
        pick({&window->ORIGINE, &window->Label38}, window->ASSOCIATIONS_List, association);
    }

    // Chooses a theoretical law through the origin menu, at a mean in tenths.
    void chooseLaw(Control KolvenWindow::*law, std::int16_t tenths = 90) {
        window->mean.TEMPS_I = tenths;
        hover(window->ORIGINE);
        hover(window->THEORIQUE_Label);
        click(*window.*law);
    }

    // A simulation from these intervals at the given mean, ready to run.
    void startSimulation(const std::vector<double>& intervals, float mean = 9.0f) {
        writeIntervals(intervalText(intervals));
        start();
        chooseSimulation();
        window->mean.TEMPS_S = mean;
    }

    // Starts a run from the list of run lengths (entry 0: one count).
    void run(int entry) { pick({&window->LANCER1}, window->LANCER_N, entry); }

    // A hundred counts of 9.
    void countNines() {
        startSimulation(kRegular);
        run(kHundred);
    }

    // The export file's bytes; empty when there is none.
    std::string exportFile() const { return test::readFile(files->exportFile().path()); }

    FakeWindowSystem display;
    FakeClock clock;
    std::unique_ptr<TestFileSystem> files;
    std::unique_ptr<KolvenWindow> window;

private:
    test::TempFolder m_root;
};

}  // namespace kolven::testing
