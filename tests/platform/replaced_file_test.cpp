// The export file kept open between writings: what a reader finds at the path
// after each writing, after the file or its folder went away during a run,
// and when the folder cannot be made.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/posix_files.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using kolven::platform::exportFolderUnder;
using kolven::platform::exportPathUnder;
using kolven::platform::PosixFileSystem;
using kolven::test::readFile;
using kolven::test::TempFolder;

// A little more than the half second between two checks of the path.
constexpr auto kPastOneCheck = std::chrono::milliseconds(600);
// A little more than the second between two tries after a failure.
constexpr auto kPastOneRetry = std::chrono::milliseconds(1100);

std::set<std::string> namesIn(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

TEST(ReplacedFile, ExportPathUnderARoot)
{
    const struct {
        const char* root;
        const char* folder;
        const char* path;
    } rows[] = {
        {"/tmp/r", "/tmp/r/KOLVEN16W", "/tmp/r/KOLVEN16W/KOLVEN16W.TXT"},
        {"/tmp/r/", "/tmp/r/KOLVEN16W", "/tmp/r/KOLVEN16W/KOLVEN16W.TXT"},
        {"/", "/KOLVEN16W", "/KOLVEN16W/KOLVEN16W.TXT"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(exportFolderUnder(row.root), row.folder) << row.root;
        EXPECT_EQ(exportPathUnder(row.root), row.path) << row.root;
    }
}

TEST(ReplacedFile, PathHoldsExactlyTheLastText)
{
    const struct {
        const char* name;
        const char* before;  // the file as an earlier run left it; null: no folder
        std::vector<std::string> texts;
    } rows[] = {
        {"a first writing makes the folder and the file", nullptr, {"0 1\r\n"}},
        {"a longer text, then a shorter one", nullptr, {"0123456789", "abc"}},
        {"a shorter text, then a longer one", nullptr, {"abc", "0123456789"}},
        {"the same length twice", nullptr, {"aaaa", "bbbb"}},
        {"writings after a shorter one go to the file now at the path", nullptr,
         {"0123456789", "abc", "abcdefg", "ab", "0123456789abcdef"}},
        {"an empty text empties the file", nullptr, {"abc", ""}},
        {"a longer file left by an earlier run is replaced", "an old histogram, longer than the new text", {"new"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder root;
        const std::string path = exportPathUnder(root.path());
        if (row.before) {
            fs::create_directory(exportFolderUnder(root.path()));
            root.write("KOLVEN16W/KOLVEN16W.TXT", row.before);
        }
        PosixFileSystem files(root.path(), root.path());
        EXPECT_EQ(files.exportFile().path(), path);
        for (const std::string& text : row.texts) {
            EXPECT_TRUE(files.exportFile().write(text));
            EXPECT_EQ(readFile(path), text);
        }
        // No temporary file is left beside it.
        EXPECT_EQ(namesIn(exportFolderUnder(root.path())), std::set<std::string>{"KOLVEN16W.TXT"});
    }
}

TEST(ReplacedFile, ComesBackAfterTheFileOrFolderWentAway)
{
    enum Change { RemoveFile, RemoveFolder, ReplaceByLongerFile };
    const struct {
        const char* name;
        Change change;
    } rows[] = {
        {"file removed", RemoveFile},
        {"folder removed with the file", RemoveFolder},
        // Another program saved over it: the path names a new, longer file.
        {"file replaced by a longer one", ReplaceByLongerFile},
    };
    struct Case {
        TempFolder root;
        PosixFileSystem files{root.path(), root.path()};
    };
    std::vector<std::unique_ptr<Case>> cases;
    for (const auto& row : rows) {
        auto& c = *cases.emplace_back(std::make_unique<Case>());
        const std::string path = exportPathUnder(c.root.path());
        ASSERT_TRUE(c.files.exportFile().write("0123")) << row.name;
        if (row.change == RemoveFile)
            fs::remove(path);
        if (row.change == RemoveFolder)
            fs::remove_all(exportFolderUnder(c.root.path()));
        if (row.change == ReplaceByLongerFile) {
            c.root.write("other", "a longer text written by another program");
            fs::rename(c.root.file("other"), path);
        }
    }
    // One wait serves every row.
    std::this_thread::sleep_for(kPastOneCheck);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(rows[i].name);
        // Longer than the first text, shorter than the replacing file.
        EXPECT_TRUE(cases[i]->files.exportFile().write("written again"));
        EXPECT_EQ(readFile(exportPathUnder(cases[i]->root.path())), "written again");
    }
}

TEST(ReplacedFile, FolderThatCannotBeMadeFailsThenRecovers)
{
    TempFolder top;
    // The root is a regular file, so its KOLVEN16W folder cannot be made,
    // whoever runs the test.
    const std::string root = top.write("afile", "not a folder");
    PosixFileSystem files(root, top.path());
    EXPECT_FALSE(files.exportFile().write("0 1\r\n"));
    EXPECT_FALSE(fs::exists(exportFolderUnder(root)));

    fs::remove(root);
    fs::create_directory(root);
    std::this_thread::sleep_for(kPastOneRetry);
    EXPECT_TRUE(files.exportFile().write("0 1\r\n"));
    EXPECT_EQ(readFile(exportPathUnder(root)), "0 1\r\n");
}

TEST(ReplacedFile, ReadOnlyRootFails)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop the superuser";
    TempFolder top;
    const std::string root = top.file("readonly");
    fs::create_directory(root);
    ASSERT_EQ(::chmod(root.c_str(), 0555), 0);
    PosixFileSystem files(root, top.path());
    EXPECT_FALSE(files.exportFile().write("0 1\r\n"));
    EXPECT_FALSE(fs::exists(exportPathUnder(root)));
}

}  // namespace
