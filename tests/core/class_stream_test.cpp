// The class's own stream: the intervals scaled to a mean of 250, the file
// kept in the data folder, its facts read back, its caption, and the count
// walking it in every origin.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/class_stream.h"
#include "core/interval_file.h"
#include "platform/posix_files.h"
#include "support/fake_platform.h"
#include "support/temp_folder.h"

namespace {

using namespace kolven;

TEST(ClassStream, IntervalsScaledToAMeanOf250WithTheirFacts)
{
    // Intervals of 1, 2 and 1 s: 3 intervals in 4 s, 0.75 a second, so the
    // mean interval 4/3 s becomes 250 and 1 s becomes 187.5.
    const std::string text = classStreamText({10, 11, 13, 14});
    EXPECT_EQ(text, "187.5 375 187.5\nimpulsions 4\ncadence 0.75\n");
    const auto facts = classStreamFactsFromTail(text.substr(text.size() - 30));
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->pulses, 4);
    EXPECT_EQ(facts->rate, 0.75);
    EXPECT_FALSE(classStreamFactsFromTail("1 2 3\n4 5 6\n"));
}

TEST(ClassStream, CaptionAndRefusals)
{
    EXPECT_EQ(classStreamCaption({2431, 12.34}, ','), "Intervalles de la classe : 2 431 impulsions, 12,3 /s");
    EXPECT_EQ(classStreamCaption({1000, 0.456}, '.'), "Intervalles de la classe : 1 000 impulsions, 0.46 /s");
    EXPECT_EQ(classStreamCaption({12000000, 250}, ','), "Intervalles de la classe : 12 000 000 impulsions, 250,0 /s");
    EXPECT_EQ(pulsesRefusal(std::vector<double>(999, 1.0)), "999 impulsions seulement : il en faut 1 000 au moins");
    EXPECT_EQ(pulsesRefusal({}), "aucune impulsion");
    EXPECT_EQ(pulsesRefusal(std::vector<double>(1000, 1.0)), "");
}

// 1000 pulses 0.1 s apart make 999 intervals of 250, one a time unit: a
// window of 9 holds 9 detections (0.1, 1.1 … 8.1), one of 18 holds 18, and
// the second phase of the difference opens on the detection that closed
// the first, so holds 1 … 8: 18 - 8 = 10. The walk goes round the stream's
// end (100 counts read over 1000 values).
TEST(ClassStream, KeptInTheDataFolderAndCountedInEveryOrigin)
{
    test::TempFolder home;
    platform::PosixFileSystem files(home.path(), home.path(), home.path() + "/data");
    std::vector<double> pulses;
    for (int i = 0; i < 1000; ++i)
        pulses.push_back(0.1 * i);
    ASSERT_EQ(files.classIntervalFile()->write(classStreamText(pulses)), platform::WriteOutcome::Written);
    const std::string path = home.path() + "/data/kolven/KOLVEN_CLASSE.KVL";
    EXPECT_EQ(files.classIntervalFile()->path(), path);
    const platform::TextRead tail = files.readText(path, 64, true);
    ASSERT_EQ(tail.fault, platform::TextFault::None);
    EXPECT_EQ(classStreamFactsFromTail(tail.text)->pulses, 1000);

    kolven::testing::FakeClock clock;
    const struct {
        const char* origin;
        int count;
    } rows[] = {{"EXPERIENCE", 9}, {"ASSOCIATIONS1", 18}, {"ASSOCIATIONS2", 9}, {"ASSOCIATIONS3", 10}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.origin);
        IntervalFile stream(files, path, clock);
        ASSERT_TRUE(stream.waitUntilHeld(60));
        float a = 0, b = 0;
        std::string origin = row.origin;
        for (int i = 0; i < 100; ++i) {
            stream.countStarts();
            ASSERT_EQ(simulatedCount(stream, 9.0f, CountWalk{a, b, origin}), row.count) << "count " << i;
        }
    }
}

}  // namespace
