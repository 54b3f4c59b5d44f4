#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/interval_file.h"
#include "core/interval_file_location.h"
#include "shell/interval_file_check.h"
#include "support/fake_platform.h"
#include "support/temp_folder.h"

namespace {

using kolven::kIntervalFileName;
using kolven::test::TempFolder;
using kolven::testing::TestFileSystem;

// An installation in a folder of its own: <root>/work is the working folder,
// <root>/usr/bin the program's, <root>/usr/share/kolven the data folder.
class Installation {
public:
    enum Where { Work, Program, Data };

    Installation() {
        for (Where w : {Work, Program, Data})
            std::filesystem::create_directories(folder(w));
    }
    std::string folder(Where where) const {
        static const char* const names[] = {"work", "usr/bin", "usr/share/kolven"};
        return m_root.file(names[where]);
    }
    std::string file(Where where) const { return folder(where) + '/' + kIntervalFileName; }
    void put(Where where, const std::string& text) const { m_root.write(relative(where), text); }
    void putFolder(Where where) const { std::filesystem::create_directory(file(where)); }
    TestFileSystem files() const { return TestFileSystem("", folder(Work), folder(Program)); }

private:
    std::string relative(Where where) const { return file(where).substr(m_root.path().size() + 1); }
    TempFolder m_root;
};

// The working folder first, then beside the program, then the data folder
// of an installation, named without ".."; a folder that bears the file's
// name is not the file.
TEST(IntervalFileLocation, TheFirstFolderThatHoldsTheFileWins) {
    using W = Installation::Where;
    // `found`: a Where, or -1: nowhere.
    const struct { const char* name; bool inWork, inProgram, inData, dataIsAFolder; int found; } rows[] = {
        {"everywhere: the working folder's", true, true, true, false, W::Work},
        {"beside the program and installed: beside the program", false, true, true, false, W::Program},
        {"installed only: the data folder", false, false, true, false, W::Data},
        {"working folder and data folder: the working folder's", true, false, true, false, W::Work},
        {"nowhere", false, false, false, false, -1},
        {"a folder of that name in the data folder", false, false, false, true, -1},
    };
    for (const auto& row : rows) {
        const Installation install;
        for (auto [present, where] : {std::pair{row.inWork, W::Work}, {row.inProgram, W::Program}, {row.inData, W::Data}})
            if (present)
                install.put(where, "250");
        if (row.dataIsAFolder)
            install.putFolder(W::Data);
        const std::string expected = row.found < 0 ? "" : install.file(static_cast<W>(row.found));
        EXPECT_EQ(kolven::locateIntervalFile(install.files()), expected) << row.name;
    }
}

// What a technician reads from "kolven --check".
TEST(IntervalFileCheck, SaysWhichFileAndHowManyIntervals) {
    using W = Installation::Where;
    const Installation install;
    // Usable or not, and the message.
    const auto check = [&] {
        TestFileSystem files = install.files();
        const auto checked = kolven::checkIntervalFile(files);
        return std::pair(checked.usable, checked.message);
    };
    EXPECT_EQ(check(), std::pair(false, std::string(kIntervalFileName) + " introuvable ; cherché dans : " +
                                            install.folder(W::Work) + ", " + install.folder(W::Program) + ", " +
                                            install.folder(W::Data) + "\n"));
    // Something there is not said to be missing.
    install.putFolder(W::Work);
    EXPECT_EQ(check(), std::pair(false, install.file(W::Work) + " n'est pas un fichier ordinaire\n"));
    install.put(W::Data, "");
    EXPECT_EQ(check(), std::pair(false, install.file(W::Data) + " est vide\n"));
    install.put(W::Data, "250.125 12.5 3\n0.125 7\n");
    EXPECT_EQ(check(), std::pair(true, std::string(kIntervalFileName) + " : 5 intervalles lus dans " +
                                           install.file(W::Data) + "\n"));
}

}  // namespace
