// The class's detector through the window's own pointer events: a stream
// imported and counted from, kept to the next use, files refused without a
// change, no sound input.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

enum { kListen, kImport, kSupplied, kClass };

// Answers every open dialog with the path the test sets.
class AnsweringDialogs final : public platform::Dialogs {
public:
    std::optional<std::string> askSavePath(const std::string&, const std::string&, const platform::FileFilter&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> askOpenPath(const std::string&, const std::vector<platform::FileFilter>&) override
    {
        return answer;
    }
    std::string userFolder(platform::UserFolder) const override { return "."; }
    std::string answer;
};

std::string stamps(int pulses, double apart)
{
    std::string text = "temps (s)\n";
    for (int i = 0; i < pulses; ++i)
        text += std::to_string(0.5 + apart * i) + "\n";
    return text;
}

class DetectorWindow : public WindowFixture {
protected:
    // The supplied stream gives counts of 18 at mean 9, the class's regular
    // pulses 0.1 s apart counts of 9: a count says which it walked.
    KolvenWindow& open()
    {
        writeIntervals(intervalText(std::vector<double>(50, 125.0)));
        window.reset();
        files = std::make_unique<TestFileSystem>(exportRoot().string(), folder("work"), folder("program"));
        window = std::make_unique<KolvenWindow>(platform::Services{display, clock, *files, dialogs,
                                                                   platform::memoryClipboard(),
                                                                   platform::systemAudioFiles()});
        window->Form_Load();
        EXPECT_TRUE(window->intervalsRead(60));
        return *window;
    }
    std::string folder(const char* name) const { return (exportRoot().parent_path() / name).string(); }
    // A stream chosen is read from then on: the count must not race it.
    void detector(int entry)
    {
        hover(window->DETECTEUR);
        pick(window->DETECTEUR_List, entry);
        EXPECT_TRUE(window->intervalsRead(60));
    }
    void place(const std::string& name, const std::string& contents)
    {
        std::ofstream(folder("work") + "/" + name, std::ios::binary) << contents;
    }
    void import(const std::string& path)
    {
        dialogs.answer = path;
        detector(kImport);
    }
    int countAtNine()
    {
        chooseSimulation();
        run(0);
        return window->series.NC_I;
    }

    AnsweringDialogs dialogs;
};

TEST_F(DetectorWindow, ImportedStreamIsCountedAndKept)
{
    place("class.csv", stamps(1000, 0.1));
    KolvenWindow& w = open();
    EXPECT_FALSE(w.DETECTEUR_List.entryEnabled(kClass));
    EXPECT_EQ(w.FLUX.caption(), " Intervalles fournis ");
    EXPECT_EQ(countAtNine(), 18);

    import(folder("work") + "/class.csv");
    EXPECT_EQ(w.stream.FLUX_T, "CLASSE");
    EXPECT_EQ(w.FLUX.caption(), " Intervalles de la classe : 1 000 impulsions, 10,0 /s ");
    EXPECT_EQ(countAtNine(), 9);
    detector(kSupplied);
    EXPECT_EQ(countAtNine(), 18);

    // The next use finds the stream again but starts on the supplied one.
    open();
    EXPECT_EQ(window->stream.FLUX_T, "FOURNI");
    EXPECT_EQ(window->stream.IMPULSIONS_L, 1000);
    EXPECT_TRUE(window->DETECTEUR_List.entryEnabled(kClass));
    detector(kClass);
    EXPECT_EQ(countAtNine(), 9);
}

TEST_F(DetectorWindow, BadFilesAreRefusedAndChangeNothing)
{
    const std::string dir = folder("work");
    const struct {
        const char* name;
        const char* file;
        std::string contents;  // for a regular file
        const char* notice;
    } rows[] = {
        {"no pulse", "empty.txt", "temps\n", "empty.txt : aucune impulsion ; rien n'a changé"},
        {"too few", "short.txt", stamps(999, 0.1), "999 impulsions seulement : il en faut 1 000 au moins"},
        {"unsorted", "unsorted.txt", "1\n2\n1.5\n", "ligne 3 : un instant plus tôt que celui d'avant"},
        {"duplicate", "twice.txt", "1\n2\n2\n", "ligne 3 : deux impulsions au même instant"},
        {"garbage", "garbage.pdf", "%PDF-1.4\n\x01\x02\x03\n", "ligne 2 : « \x01\x02\x03 » n'est pas un instant"},
        {"huge", "huge.txt", "", "fichier trop gros"},
        {"a pipe", "pipe", "", "ce n'est pas un fichier ordinaire"},
        {"a link", "link.csv", "", "c'est un lien"},
        {"missing", "nowhere.txt", "", "fichier introuvable"},
    };
    const std::string good = dir + "/class.csv";
    place("class.csv", stamps(1200, 0.1));
    place("huge.txt", "");
    std::filesystem::resize_file(dir + "/huge.txt", (std::size_t{64} << 20) + 1);
    ASSERT_EQ(::mkfifo((dir + "/pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink(good, dir + "/link.csv");

    KolvenWindow& w = open();
    import(good);
    detector(kSupplied);
    const std::string kept = test::readFile(files->classIntervalFile()->path());
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (!row.contents.empty())
            place(row.file, row.contents);
        import(dir + "/" + row.file);
        EXPECT_TRUE(w.AVIS.visible());
        EXPECT_NE(w.AVIS.caption().find(row.notice), std::string::npos) << w.AVIS.caption();
        EXPECT_EQ(w.stream.FLUX_T, "FOURNI");
        EXPECT_EQ(w.stream.IMPULSIONS_L, 1200);
        EXPECT_EQ(test::readFile(files->classIntervalFile()->path()), kept);
    }
}

// Listening itself is driven through kolven-drive's record-from.
TEST_F(DetectorWindow, NoSoundInputIsSaid)
{
    KolvenWindow& w = open();
    detector(kListen);
    EXPECT_EQ(w.AVIS.caption(), "  Aucune entrée son sur cet ordinateur : écoute impossible  ");
    EXPECT_FALSE(w.listening());
    EXPECT_TRUE(w.DETECTEUR.visible());
}

}  // namespace
}  // namespace kolven::testing
