#include <cstdlib>
#include <limits>
#include <string>

#include "shell/state_dump.h"
#include "support/window_fixture.h"

namespace kolven::testing {
namespace {

struct StringRow {
    const char* name;
    std::string text;
    std::string json;
};

TEST(JsonString, EscapesWhatJsonForbidsAndKeepsTheRest)
{
    const StringRow rows[] = {
        {"plain text", "Quitter", "\"Quitter\""},
        {"quotes", "a \"b\"", "\"a \\\"b\\\"\""},
        {"backslash", "C:\\KOLVEN16W", "\"C:\\\\KOLVEN16W\""},
        {"export line ends", " 0  1 \r\n", "\" 0  1 \\r\\n\""},
        {"tab", "a\tb", "\"a\\tb\""},
        {"other control bytes", std::string("\x01\x1f", 2), "\"\\u0001\\u001f\""},
        {"accented UTF-8 as it is", "Arrêter à σ²", "\"Arrêter à σ²\""},
        {"delete is no control for JSON", "\x7f", "\"\x7f\""},
        {"empty", "", "\"\""},
    };
    for (const StringRow& row : rows)
        EXPECT_EQ(jsonString(row.text), row.json) << row.name;
}

TEST(JsonNumber, FloatsTakeTheirShortestSinglePrecisionForm)
{
    struct Row {
        const char* name;
        float value;
        const char* json;
    };
    const Row rows[] = {
        {"whole", 9.0f, "9"},
        {"a tenth, not its double expansion", 0.1f, "0.1"},
        {"plot scale 7246 / 20", 7246.0f / 20.0f, "362.3"},
        {"a third needs eight digits", 1.0f / 3.0f, "0.33333334"},
        {"negative", -1.5f, "-1.5"},
        {"infinity is no JSON number", std::numeric_limits<float>::infinity(), "null"},
        {"nor is NaN", std::numeric_limits<float>::quiet_NaN(), "null"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(jsonNumber(row.value), row.json) << row.name;
        if (std::string(row.json) != "null") {
            EXPECT_EQ(std::strtof(jsonNumber(row.value).c_str(), nullptr), row.value) << row.name;
        }
    }
}

TEST(JsonNumber, DoublesKeepEveryDigitTheyNeed)
{
    EXPECT_EQ(jsonNumber(0.1), "0.1");
    EXPECT_EQ(jsonNumber(1.0 / 3.0), "0.3333333333333333");
    EXPECT_EQ(jsonNumber(897836.0), "897836");
    EXPECT_EQ(jsonNumber(21.09375), "21.09375");
}

TEST(ExportJson, PathAndTextOrNull)
{
    EXPECT_EQ(exportJson("/r/KOLVEN16W/KOLVEN16W.TXT", std::nullopt),
              "{\"path\": \"/r/KOLVEN16W/KOLVEN16W.TXT\", \"text\": null}");
    EXPECT_EQ(exportJson("/f", std::string(" 0  2 \r\n")), "{\"path\": \"/f\", \"text\": \" 0  2 \\r\\n\"}");
}

class StateDump : public WindowFixture {};

// How often needle occurs in text.
int occurrences(const std::string& text, const std::string& needle)
{
    int n = 0;
    for (auto at = text.find(needle); at != std::string::npos; at = text.find(needle, at + needle.size()))
        ++n;
    return n;
}

TEST_F(StateDump, OneLineWithEveryControlOnceAndTheStateUnderItsNames)
{
    KolvenWindow& w = start();
    w.SN_L = 12;
    w.MOY_S = 8.98f;
    w.S2N_D = 1.0 / 3.0;
    w.HISTO_COMPT[0] = 5;
    w.HISTO_COMPT[241] = 7;
    w.TITRE.setCaption("titre \"cité\"");
    w.TITRE.setFore(platform::rgb(1, 2, 255));

    const std::string dump = dumpJson(w);
    EXPECT_EQ(dump.find('\n'), std::string::npos);
    EXPECT_EQ(dump.rfind("{\"controls\": {\"Picture1\": {", 0), 0u);
    for (const Control* c : w.controls())
        EXPECT_EQ(occurrences(dump, "\"" + c->name() + "\": {\"caption\""), 1) << c->name();

    EXPECT_NE(dump.find("\"caption\": \"titre \\\"cité\\\"\""), std::string::npos);
    EXPECT_NE(dump.find("\"fore\": \"#0102ff\""), std::string::npos);
    EXPECT_NE(dump.find("\"state\": {\"HISTO_COMPT\": [5, 0, 0, "), std::string::npos);
    EXPECT_NE(dump.find(", 0, 7], \"NC_I\": "), std::string::npos);
    EXPECT_NE(dump.find("\"SN_L\": 12, "), std::string::npos);
    EXPECT_NE(dump.find("\"MOY_S\": 8.98, "), std::string::npos);
    EXPECT_NE(dump.find("\"S2N_D\": 0.3333333333333333, "), std::string::npos);
    EXPECT_NE(dump.find("\"DONNEES_T\": \"EXPERIENCE\""), std::string::npos);
    EXPECT_EQ(dump.substr(dump.size() - 2), "}}");
}

TEST_F(StateDump, ListsAloneCarryTheirEntriesAndSelection)
{
    KolvenWindow& w = start();
    const std::string dump = dumpJson(w);
    const auto controlText = [&](const std::string& name) {
        const auto from = dump.find("\"" + name + "\": {");
        return dump.substr(from, dump.find('}', from) - from);
    };
    const std::string list = controlText("ASSOCIATIONS_List");
    EXPECT_NE(list.find("\"entries\": [\" Histogramme des comptages \", "), std::string::npos);
    EXPECT_NE(list.find("\"index\": -1"), std::string::npos);
    EXPECT_EQ(controlText("LANCER1").find("\"entries\""), std::string::npos);
}

}  // namespace
}  // namespace kolven::testing
