// The interval file read through the program's own reader: separators,
// wrapping at the end or on text, files that give no number, where the file
// is looked for, and a count that runs past the end of the file.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/interval_file.h"
#include "core/simulated_count.h"
#include "platform/posix_files.h"
#include "support/fake_platform.h"
#include "support/temp_folder.h"

namespace {

using kolven::IntervalFile;
using kolven::testing::TestFileSystem;
using kolven::platform::PosixFileSystem;
using kolven::test::TempFolder;

TEST(IntervalFile, ReadsValuesAndWraps)
{
    const struct {
        const char* name;
        std::string contents;
        std::vector<float> values;  // the first reads, wraps included
    } rows[] = {
        {"blanks between values, back to the first at the end", "250 500 750", {250, 500, 750, 250, 500}},
        {"commas, line breaks and runs of separators", "1,2\r\n3  ,  4\r\n\r\n", {1, 2, 3, 4, 1}},
        {"a decimal comma splits a value in two", "12,5", {12, 5, 12}},
        {"text after some values sends reading back to the first", "1 2 x 3", {1, 2, 1, 2, 1}},
        {"a value followed by letters is text", "5 12a 6", {5, 5, 5}},
        {"inf and nan are text, not intervals", "1 inf 2 nan 3", {1, 1, 1}},
        {"a negative value is no interval", "1 2 -3 4", {1, 2, 1, 2}},
        {"zero intervals among others are kept", "0 250", {0, 250, 0}},
        {"a byte order mark before the first value", "\xEF\xBB\xBF" "250 500", {250, 500, 250}},
        {"a point at either end, a plus sign, an exponent", ".5 5. +3 2.5e2", {0.5f, 5, 3, 250, 0.5f}},
        {"more digits than 64 bits hold", "1.000000000000000000000001 2", {1, 2, 1}},
        // The reader fills 64 KiB at a time: 123 lies across the first refill.
        {"a value cut by the reader's buffer", std::string(65534, ' ') + "123 456", {123, 456, 123}},
    };
    TempFolder folder;
    PosixFileSystem files(folder.path(), folder.path());
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        IntervalFile file(files, folder.write(kolven::kIntervalFileName, row.contents));
        std::vector<float> read;
        for (std::size_t i = 0; i < row.values.size(); ++i)
            read.push_back(file.next());
        EXPECT_EQ(read, row.values);
    }
}

TEST(IntervalFile, NoIntervalAtAllThrowsRatherThanLoops)
{
    const struct {
        const char* name;
        const char* contents;  // null: no file
    } rows[] = {
        {"missing file", nullptr},
        {"empty file", ""},
        {"separators only", " \r\n,, \t\n"},
        {"text only", "abc def"},
        {"text before the numbers", "x 1 2"},
        {"negative intervals only", "-250 -250"},
        {"intervals that add up to no time", "0 0 0.000"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        PosixFileSystem files(folder.path(), folder.path());
        const std::string path = row.contents ? folder.write(kolven::kIntervalFileName, row.contents)
                                              : folder.file(kolven::kIntervalFileName);
        EXPECT_THROW(
            {
                IntervalFile file(files, path);
                for (int i = 0; i < 10; ++i)
                    file.next();
            },
            kolven::IntervalFileUnreadable);
    }
}

TEST(IntervalFile, CountRunningPastTheEndGoesOnFromTheFirstValue)
{
    // Intervals 1, 2, 7 (time units) repeated, TEMPS_S 10, lead-in 1:
    // 1 lead-in, 3 → 2, 9, 10 closes → 2;  2 → 1, 8, 9, 11 closes → 3;
    // 7 → 6, 7, 9, 16 closes → 3;  then as the first → 2.
    TempFolder folder;
    PosixFileSystem files(folder.path(), folder.path());
    IntervalFile file(files, folder.write(kolven::kIntervalFileName, "250\n500\n1750\n"));
    float A_S = 0, B_S = 0;
    std::string DONNEES_T = "EXPERIENCE";
    std::vector<int> counts;
    for (int i = 0; i < 4; ++i)
        counts.push_back(kolven::simulatedCount(file, 10.0f, {A_S, B_S, DONNEES_T}));
    EXPECT_EQ(counts, (std::vector<int>{2, 3, 3, 2}));
}

TEST(IntervalFile, FoundInTheWorkingFolderFirst)
{
    enum What { None, File, Folder };
    const struct {
        const char* name;
        What inWorking, inProgram;
        int foundIn;  // 0: the working folder, 1: the program's, -1: nowhere
    } rows[] = {
        {"in both folders: the working folder's", File, File, 0},
        {"only beside the program", None, File, 1},
        {"a folder of that name is not the file", Folder, File, 1},
        {"in neither", None, None, -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folders[2];
        for (int i : {0, 1}) {
            const What what = i == 0 ? row.inWorking : row.inProgram;
            if (what == File)
                folders[i].write(kolven::kIntervalFileName, "250");
            if (what == Folder)
                std::filesystem::create_directory(folders[i].file(kolven::kIntervalFileName));
        }
        const std::string found = row.foundIn < 0 ? "" : folders[row.foundIn].file(kolven::kIntervalFileName);
        EXPECT_EQ(kolven::findIntervalFile(TestFileSystem("", folders[0].path(), folders[1].path())), found);
    }
}

}  // namespace
