// The lines of a kolven-drive script: what each becomes, and the lines that
// must be refused rather than half understood.

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "script_line.h"

namespace kolven::drive {
namespace {

struct Accepted {
    const char* line;
    Verb verb;
    std::string name;
    int a;
    int b;
};

void expectCommand(const Command& c, const Accepted& row)
{
    EXPECT_EQ(c.verb, row.verb);
    EXPECT_EQ(c.name, row.name);
    EXPECT_EQ(c.a, row.a);
    EXPECT_EQ(c.b, row.b);
}

TEST(ScriptLine, CommandsAndTheirArguments)
{
    const Accepted rows[] = {
        {"pick LANCER_N 9", Verb::Pick, "LANCER_N", 9, 0},
        {"move 900 -15", Verb::Move, "", 900, -15},
        {"\tclick  F_H_D_10 \r", Verb::Click, "F_H_D_10", 0, 0},
        {"shot /tmp/a plot.png  ", Verb::Shot, "/tmp/a plot.png", 0, 0},
        {"stop-after 37", Verb::StopAfter, "", 37, 0},
    };
    for (const Accepted& row : rows) {
        SCOPED_TRACE(row.line);
        const auto parsed = parseLine(row.line);
        ASSERT_TRUE(parsed && std::holds_alternative<Command>(*parsed));
        expectCommand(std::get<Command>(*parsed), row);
        EXPECT_FALSE(std::get<Command>(*parsed).deferred);
    }
}

TEST(ScriptLine, AtCountCarriesTheCommandOfTheRestOfTheLine)
{
    struct Deferred {
        const char* line;
        int count;
        Accepted deferred;
    };
    const Deferred rows[] = {
        {"at-count 5 click F_H_D_10", 5, {"", Verb::Click, "F_H_D_10", 0, 0}},
        {"at-count 300 move 2430 6000", 300, {"", Verb::Move, "", 2430, 6000}},
        {"at-count 1 dump", 1, {"", Verb::Dump, "", 0, 0}},
        {"at-count 12  shot /tmp/during a run.png ", 12, {"", Verb::Shot, "/tmp/during a run.png", 0, 0}},
        {"at-count 40 stop-after 2", 40, {"", Verb::StopAfter, "", 2, 0}},
    };
    for (const auto& [line, count, deferred] : rows) {
        SCOPED_TRACE(line);
        const auto parsed = parseLine(line);
        ASSERT_TRUE(parsed && std::holds_alternative<Command>(*parsed));
        const Command& c = std::get<Command>(*parsed);
        EXPECT_EQ(c.verb, Verb::AtCount);
        EXPECT_EQ(c.a, count);
        ASSERT_TRUE(c.deferred);
        expectCommand(*c.deferred, deferred);
    }
}

TEST(ScriptLine, BlankLinesAndCommentsAreNoCommand)
{
    for (const char* line : {"", "   ", "\r", "# a note", "  #click FIN"})
        EXPECT_FALSE(parseLine(line)) << '"' << line << '"';
}

TEST(ScriptLine, MalformedLinesAreRefused)
{
    const char* const rows[] = {
        "fly FIN",                       // no such command
        "quit now",                      // an argument too many
        "pick LANCER_N -1",              // no entry before the first
        "move 10",                       // half a point
        "stop-after 0",                  // a stop before the first count
        "at-count 0 dump",               // the yields count from 1
        "at-count x dump",               // not a number
        "at-count 5",                    // nothing to carry out
        "at-count 5 # later",            // a comment is no command
        "at-count 5 move 1",             // the deferred command is checked too
        "at-count 5 at-count 6 dump",    // one level only
    };
    for (const char* line : rows) {
        const auto parsed = parseLine(line);
        ASSERT_TRUE(parsed) << line;
        EXPECT_TRUE(std::holds_alternative<ParseError>(*parsed)) << line;
    }
}

}  // namespace
}  // namespace kolven::drive
