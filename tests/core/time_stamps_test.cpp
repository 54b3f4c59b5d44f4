// Time stamps as data loggers write them, and the files refused.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/time_stamps.h"

namespace {

TEST(TimeStamps, ReadOrRefused)
{
    const struct {
        const char* name;
        const char* text;
        std::vector<double> seconds;
        const char* refusal;
    } rows[] = {
        {"one a line, points", "0.5\n1.25\n2\n", {0.5, 1.25, 2}, ""},
        {"decimal commas, a comment, a blank line, CRLF", "# compteur 3\r\n0,5\r\n\r\n1,25\r\n", {0.5, 1.25}, ""},
        {"one column with a header and its unit", "temps (s)\n0.1\n0.2\n", {0.1, 0.2}, ""},
        {"comma CSV, the time column in the middle", "canal,Time [s],energie\n1,0.5,3\n2,0.75,4\n", {0.5, 0.75}, ""},
        {"French spreadsheet: semicolons, decimal commas, quotes", "\"n\";\"Temps\"\n1;\"0,5\"\n2;\"1,5\"\n",
         {0.5, 1.5}, ""},
        {"tabs and a byte-order mark", "\xEF\xBB\xBFinstant\tcanal\n3\t1\n4.5\t1\n", {3, 4.5}, ""},
        {"an earlier instant", "0.5\n0.25\n", {}, "ligne 2 : un instant plus tôt que celui d'avant"},
        {"two pulses at one instant", "t\n1\n2\n2\n", {}, "ligne 4 : deux impulsions au même instant"},
        {"garbage", "0.5\nbonjour\n", {}, "ligne 2 : « bonjour » n'est pas un instant en secondes"},
        {"a short row", "a;temps\n1;0.5\n2\n", {}, "ligne 3 : « 2 » n'est pas un instant en secondes"},
        {"no column names a time", "canal,energie\n1,2\n", {}, "aucune colonne ne porte le nom d'un temps"},
        {"several columns and no header", "1.5,2.5\n3.5,4.5\n", {}, "plusieurs colonnes sans ligne d'en-tête"},
        {"a header alone", "temps\n", {}, "aucune impulsion"},
        {"nothing", "", {}, "aucune impulsion"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const kolven::TimeStamps read = kolven::parseTimeStamps(row.text);
        EXPECT_EQ(read.refusal.substr(0, std::string(row.refusal).size()), row.refusal);
        EXPECT_EQ(read.refusal.empty(), std::string(row.refusal).empty());
        if (read.refusal.empty()) {
            EXPECT_EQ(read.seconds, row.seconds);
        }
    }
}

}  // namespace
