#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "shell/kolven_window.h"
#include "support/fake_platform.h"

namespace kolven::testing {

// Intervals written as the interval file holds them: decimal text, blanks
// between values.
inline std::string intervalText(const std::vector<double>& values)
{
    std::ostringstream text;
    for (double v : values)
        text << v << ' ';
    return text.str();
}

// A main window on a fake display, with real files in folders of its own:
// the working folder (where the interval file goes), the export root and
// an empty program folder.
class WindowFixture : public ::testing::Test {
protected:
    WindowFixture()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kolven-test-XXXXXX").string();
        m_root = mkdtemp(pattern.data());
        for (const char* folder : {"work", "export", "program"})
            std::filesystem::create_directory(m_root / folder);
    }
    ~WindowFixture() override
    {
        std::error_code ignored;
        std::filesystem::permissions(m_root / "export", std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(m_root, ignored);
    }

    std::filesystem::path workFolder() const { return m_root / "work"; }
    std::filesystem::path exportRoot() const { return m_root / "export"; }

    void writeIntervals(const std::string& text)
    {
        std::ofstream(workFolder() / kIntervalFileName, std::ios::binary) << text;
    }

    // Builds and loads the window; exportRootOverride replaces the export root.
    KolvenWindow& start(std::optional<std::string> exportRootOverride = std::nullopt)
    {
        files = std::make_unique<TestFileSystem>(exportRootOverride.value_or(exportRoot().string()),
                                                 workFolder().string(), (m_root / "program").string());
        window = std::make_unique<KolvenWindow>(platform::Services{display, clock, *files});
        window->Form_Load();
        return *window;
    }

    // The pointer, as a person moves it: on the centre of a control.
    void hover(const platform::Control& c)
    {
        const platform::Rect r = c.windowRect();
        window->pointerMoved(r.left + r.width / 2, r.top + r.height / 2);
    }
    void click(const platform::Control& c)
    {
        const platform::Rect r = c.windowRect();
        window->pointerPressed(r.left + r.width / 2, r.top + r.height / 2);
        window->pointerReleased(r.left + r.width / 2, r.top + r.height / 2);
    }
    void press(const platform::Control& c)
    {
        const platform::Rect r = c.windowRect();
        window->pointerPressed(r.left + r.width / 2, r.top + r.height / 2);
    }
    void pick(const platform::Control& list, int entry)
    {
        const platform::Rect r = list.windowRect();
        const int y = r.top + platform::kListFrame / 2 + entry * list.itemHeight() + list.itemHeight() / 2;
        window->pointerPressed(r.left + r.width / 2, y);
        window->pointerReleased(r.left + r.width / 2, y);
    }

    // Chooses plain simulated counts through the origin menu, as a person does.
    void chooseSimulation(int association = 0)
    {
        hover(window->ORIGINE);
        hover(window->Label38);
        pick(window->ASSOCIATIONS_List, association);
    }

    // Starts a run from the list of run lengths (entry 0: one count).
    void run(int entry)
    {
        hover(window->LANCER1);
        pick(window->LANCER_N, entry);
    }

    std::optional<std::string> exportFile() const
    {
        std::ifstream in(files->exportFile().path(), std::ios::binary);
        if (!in)
            return std::nullopt;
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    FakeWindowSystem display;
    FakeClock clock;
    std::unique_ptr<TestFileSystem> files;
    std::unique_ptr<KolvenWindow> window;

private:
    std::filesystem::path m_root;
};

}  // namespace kolven::testing
