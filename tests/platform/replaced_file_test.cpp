// The export file kept open between writings: what a reader finds at the path
// after each writing, after the file or its folder went away during a run,
// and when the folder cannot be made.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
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

TEST(ReplacedFile, PathHoldsExactlyTheLastText)
{
    const struct {
        const char* name;
        const char* before;  // the file as an earlier run left it; null: no folder
        std::vector<std::string> texts;
    } rows[] = {
        {"a first writing makes the folder and the file", nullptr, {"0 1\r\n"}},
        {"texts that shrink and grow in turn", nullptr, {"0123456789", "abc", "abcdefg", "ab", "0123456789abcdef"}},
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
        EXPECT_EQ(std::distance(fs::directory_iterator(exportFolderUnder(root.path())), fs::directory_iterator()), 1);
    }
}

// Each change is followed by a wait past one check of the path.
TEST(ReplacedFile, ComesBackAfterTheFileOrFolderWentAway)
{
    TempFolder root;
    const std::string path = exportPathUnder(root.path());
    PosixFileSystem files(root.path(), root.path());
    const struct {
        const char* name;
        std::function<void()> change;
    } rows[] = {
        {"file removed", [&] { fs::remove(path); }},
        {"folder removed with the file", [&] { fs::remove_all(exportFolderUnder(root.path())); }},
        // Another program saved over it: the path names a new, longer file.
        {"file replaced by a longer one", [&] { fs::rename(root.write("other", "a longer text from elsewhere"), path); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(files.exportFile().write("0123"));
        row.change();
        std::this_thread::sleep_for(kPastOneCheck);
        // Longer than the first text, shorter than the replacing file.
        EXPECT_TRUE(files.exportFile().write("written again"));
        EXPECT_EQ(readFile(path), "written again");
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

    fs::remove(root);
    fs::create_directory(root);
    std::this_thread::sleep_for(kPastOneRetry);
    EXPECT_TRUE(files.exportFile().write("0 1\r\n"));
    EXPECT_EQ(readFile(exportPathUnder(root)), "0 1\r\n");
}

}  // namespace
