// The export file replaced whole at each writing: what a reader finds at the
// path, after the file or its folder went away, with a tail appended by
// someone else, while a reader is half-way through it, and with links or
// another user's folder in the way.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/posix_files.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using kolven::platform::exportFolderUnder, kolven::platform::exportPathUnder;
using kolven::platform::PosixFileSystem, kolven::platform::SaveOutcome, kolven::platform::WriteOutcome;
using kolven::test::readFile, kolven::test::TempFolder;

long entriesIn(const std::string& folder) {
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

TEST(ReplacedFile, PathHoldsExactlyTheLastText) {
    // `before`: the file as an earlier run left it; null: no folder.
    const struct { const char *name, *before; std::vector<std::string> texts; } rows[] = {
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
            ASSERT_EQ(files.exportFile().write(text), WriteOutcome::Written);
            EXPECT_EQ(readFile(path), text);
        }
        EXPECT_EQ(entriesIn(exportFolderUnder(root.path())), 1) << "no temporary file is left beside it";
    }
}

TEST(ReplacedFile, ComesBackAfterTheFileOrFolderWentAway) {
    TempFolder root;
    const std::string path = exportPathUnder(root.path());
    PosixFileSystem files(root.path(), root.path());
    const struct { const char* name; std::function<void()> change; } rows[] = {
        {"file removed", [&] { fs::remove(path); }},
        {"folder removed with the file", [&] { fs::remove_all(exportFolderUnder(root.path())); }},
        {"file replaced by a longer one", [&] { fs::rename(root.write("other", "a longer text from elsewhere"), path); }},
        // Bytes appended by another program do not outlive the next writing.
        {"a tail appended", [&] { std::ofstream(path, std::ios::app) << "a tail"; }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(files.exportFile().write("0123456789abc"), WriteOutcome::Written);
        row.change();
        EXPECT_EQ(files.exportFile().write("written again"), WriteOutcome::Written);
        EXPECT_EQ(readFile(path), "written again");
    }
}

TEST(ReplacedFile, FolderThatCannotBeMadeFailsThenRecovers) {
    TempFolder top;
    // The root is a regular file, so its KOLVEN16W folder cannot be made,
    // whoever runs the test.
    const std::string root = top.write("afile", "not a folder");
    PosixFileSystem files(root, top.path());
    EXPECT_EQ(files.exportFile().write("0 1\r\n"), WriteOutcome::Failed);

    fs::remove(root);
    fs::create_directory(root);
    EXPECT_EQ(files.exportFile().write("0 1\r\n"), WriteOutcome::Written);
    EXPECT_EQ(readFile(exportPathUnder(root)), "0 1\r\n");
}

// A reader that has read part of the file when a writing comes reads the
// rest of the same text: the writing made a new file.
TEST(ReplacedFile, AReaderHalfWayThroughReadsOneTextWhole) {
    TempFolder root;
    PosixFileSystem files(root.path(), root.path());
    const std::string first(2384, 'a'), second(2384, 'b');
    ASSERT_EQ(files.exportFile().write(first), WriteOutcome::Written);

    const int reader = ::open(files.exportFile().path().c_str(), O_RDONLY);
    ASSERT_GE(reader, 0);
    std::string read(first.size() + 16, '\0');
    ssize_t got = ::read(reader, read.data(), 1000);
    ASSERT_EQ(files.exportFile().write(second), WriteOutcome::Written);
    for (ssize_t n = 0; (n = ::read(reader, read.data() + got, read.size() - static_cast<std::size_t>(got))) > 0;)
        got += n;
    ::close(reader);
    read.resize(static_cast<std::size_t>(got));
    EXPECT_EQ(std::pair(read, readFile(files.exportFile().path())), std::pair(first, second));
}

// Puts path's times (not those of what a link points to) minutes back.
void ageBy(const std::string& path, int minutes) {
    const timespec then {std::time(nullptr) - 60 * minutes, 0};
    const timespec times[2] = {then, then};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

// A program killed between writing a temporary and renaming it leaves the
// temporary behind; the next program's first writing clears it away, but
// nothing that could be another's, or a writing still going on.
TEST(ReplacedFile, TheFirstWritingRemovesTemporariesLeftByACrash) {
    enum Kind { File, Link, HardLink, Folder, OtherUsersFile };
    // `entry`: its name in KOLVEN16W.
    const struct { const char *name, *entry; Kind kind; int minutesOld; bool removed; } rows[] = {
        {"a temporary two minutes old", ".KOLVEN16W.TXT.0123456789abcdef", File, 2, true},
        {"a temporary being written now", ".KOLVEN16W.TXT.00000000000000aa", File, 0, false},
        {"a link of that name", ".KOLVEN16W.TXT.0123456789abcdef", Link, 2, false},
        {"a second name of a file of the user's", ".KOLVEN16W.TXT.0123456789abcdef", HardLink, 2, false},
        {"a folder of that name", ".KOLVEN16W.TXT.0123456789abcdef", Folder, 2, false},
        {"a file of another user", ".KOLVEN16W.TXT.0123456789abcdef", OtherUsersFile, 2, false},
        {"fifteen digits", ".KOLVEN16W.TXT.0123456789abcde", File, 2, false},
        {"capital digits", ".KOLVEN16W.TXT.0123456789ABCDEF", File, 2, false},
        {"no leading point", "KOLVEN16W.TXT.0123456789abcdef", File, 2, false},
        {"another file's temporary", ".KOLVEN16W.TXU.0123456789abcdef", File, 2, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.kind == OtherUsersFile && ::geteuid() != 0)
            continue;  // only root can give a file to another user
        TempFolder root, elsewhere;
        const std::string folder = exportFolderUnder(root.path());
        fs::create_directory(folder);
        const std::string entry = folder + '/' + row.entry;
        const std::string target = elsewhere.write("a file", "a file of the user's");
        if (row.kind == File || row.kind == OtherUsersFile)
            root.write(std::string("KOLVEN16W/") + row.entry, "half a histogram");
        if (row.kind == OtherUsersFile) {
            ASSERT_EQ(::chown(entry.c_str(), 65534, 65534), 0);
        }
        if (row.kind == Link) {
            ageBy(target, row.minutesOld);
            fs::create_symlink(target, entry);
        }
        if (row.kind == HardLink)
            fs::create_hard_link(target, entry);
        if (row.kind == Folder)
            fs::create_directory(entry);
        ageBy(entry, row.minutesOld);

        PosixFileSystem files(root.path(), root.path());
        ASSERT_EQ(files.exportFile().write("0 1\r\n"), WriteOutcome::Written);
        // The export file, and what was kept; the file a link names untouched.
        EXPECT_EQ(std::tuple(!fs::exists(fs::symlink_status(entry)), entriesIn(folder), readFile(target)),
                  std::tuple(row.removed, row.removed ? 1 : 2, std::string("a file of the user's")));
    }
}

// A link in the folder of a shared root, put there by another user, must
// not turn a writing against the file it points to.
TEST(ReplacedFile, NothingIsWrittenThroughALink) {
    // `link`: under the root, pointing to the victim.
    const struct { const char *name, *link; bool victimIsFolder; WriteOutcome outcome; } rows[] = {
        {"the folder is a link", "KOLVEN16W", true, WriteOutcome::FolderIsLink},
        {"the file is a link", "KOLVEN16W/KOLVEN16W.TXT", false, WriteOutcome::FileIsLink},
        // The name a temporary file beside it would have had, were it
        // foreseeable.
        {"a link where a temporary file might go", "KOLVEN16W/KOLVEN16W.TXT.tmp", false, WriteOutcome::Written},
    };
    const std::string victimText = "a file of the user's";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder root, elsewhere;
        if (!row.victimIsFolder)
            fs::create_directory(exportFolderUnder(root.path()));
        const std::string victim = elsewhere.write("KOLVEN16W.TXT", victimText);
        fs::create_symlink(row.victimIsFolder ? elsewhere.path() : victim, root.file(row.link));
        PosixFileSystem files(root.path(), root.path());
        // A long text, then a short one: every way of writing is tried.
        for (const char* text : {"a longer text than the victim holds", "short"})
            EXPECT_EQ(files.exportFile().write(text), row.outcome);
        // The victim untouched, nothing put beside it, the link left as it was.
        EXPECT_EQ(std::tuple(readFile(victim), entriesIn(elsewhere.path()), fs::is_symlink(root.file(row.link))),
                  std::tuple(victimText, 1, true));
    }
}

TEST(ReplacedFile, AFolderOfAnotherUserIsRefused) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a folder to another user";
    TempFolder root;
    const std::string folder = exportFolderUnder(root.path());
    fs::create_directory(folder);
    ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
    PosixFileSystem files(root.path(), root.path());
    EXPECT_EQ(files.exportFile().write("0 1\r\n"), WriteOutcome::FolderNotOwned);
    EXPECT_EQ(entriesIn(folder), 0);
}

// A file the user chose is written the same way, in the folder they chose,
// keeping the permissions of the file it replaces, and what keeps it from
// being written is told apart for the notice.
TEST(ReplacedFile, AChosenFileIsSavedWholeOrSaysWhyNot) {
    const ::mode_t umask = ::umask(0);
    ::umask(umask);
    // `before`: a file, or with a leading '>' a link to one elsewhere; `mode`:
    // that file's permissions, and the saved file's (0: 0644 less the umask).
    const struct { const char *name, *path, *before; ::mode_t mode; SaveOutcome outcome; } rows[] = {
        {"a new file", "plot.png", nullptr, 0, SaveOutcome::Saved},
        {"a longer file of the same name is replaced", "plot.png", "an older and longer picture", 0, SaveOutcome::Saved},
        {"a private file stays private", "plot.png", "older", 0600, SaveOutcome::Saved},
        {"a file shared with its group stays shared", "plot.png", "older", 0664, SaveOutcome::Saved},
        {"a folder that does not exist", "gone/plot.png", nullptr, 0, SaveOutcome::FolderMissing},
        {"a link at the name", "plot.png", ">", 0, SaveOutcome::IsLink},
    };
    const std::string picture("\x89PNG\0bytes", 10);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder, elsewhere;
        const std::string victim = elsewhere.write("victim", "kept");
        if (row.before && row.before[0] == '>')
            fs::create_symlink(victim, folder.file(row.path));
        else if (row.before)
            folder.write(row.path, row.before);
        if (row.mode) {
            ASSERT_EQ(::chmod(folder.file(row.path).c_str(), row.mode), 0);
        }
        PosixFileSystem files(folder.path(), folder.path());
        EXPECT_EQ(files.saveFile(folder.file(row.path), picture), row.outcome);
        struct stat saved {};
        if (row.outcome == SaveOutcome::Saved) {
            ASSERT_EQ(::stat(folder.file(row.path).c_str(), &saved), 0);
            EXPECT_EQ(std::tuple(readFile(folder.file(row.path)), entriesIn(folder.path()), saved.st_mode & 07777),
                      std::tuple(picture, 1L, row.mode ? row.mode : 0644 & ~umask))
                << "the whole file, no temporary left beside it, and its permissions";
        }
        EXPECT_EQ(readFile(victim), "kept");
    }
}

}  // namespace
