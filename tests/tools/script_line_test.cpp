// The lines of a kolven-drive script: what each becomes, and the lines that
// must be refused rather than half understood.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <variant>

#include "script_line.h"

namespace kolven::drive {
namespace {

// A line and the command it gives; `atCount` (0 for none) says that the
// command comes deferred, carried by at-count with that count.
struct Accepted { const char* line; Verb verb; std::string name; int a, b, atCount; };

TEST(ScriptLine, CommandsAndTheirArguments) {
    const Accepted rows[] = {
        {"pick LANCER_N 9", Verb::Pick, "LANCER_N", 9, 0, 0},
        {"move 900 -15", Verb::Move, "", 900, -15, 0},
        {"\tclick  F_H_D_10 \r", Verb::Click, "F_H_D_10", 0, 0, 0},
        {"shot /tmp/a plot.png  ", Verb::Shot, "/tmp/a plot.png", 0, 0, 0},
        {"stop-after 37", Verb::StopAfter, "", 37, 0, 0},
        {"at-count 5 click F_H_D_10", Verb::Click, "F_H_D_10", 0, 0, 5},
        {"at-count 300 move 2430 6000", Verb::Move, "", 2430, 6000, 300},
        {"at-count 1 dump", Verb::Dump, "", 0, 0, 1},
        {"at-count 12  shot /tmp/during a run.png ", Verb::Shot, "/tmp/during a run.png", 0, 0, 12},
        {"at-count 40 stop-after 2", Verb::StopAfter, "", 2, 0, 40},
        {"answer-file /tmp/my plot.svg ", Verb::AnswerFile, "/tmp/my plot.svg", 0, 0, 0},
        {"answer-file", Verb::AnswerFile, "", 0, 0, 0},
        {"clipboard", Verb::Clipboard, "", 0, 0, 0},
        {"record-from /tmp/la classe.wav", Verb::RecordFrom, "/tmp/la classe.wav", 0, 0, 0},
    };
    for (const Accepted& row : rows) {
        SCOPED_TRACE(row.line);
        const auto parsed = parseLine(row.line);
        ASSERT_TRUE(parsed && std::holds_alternative<Command>(*parsed));
        const Command* c = &std::get<Command>(*parsed);
        if (row.atCount) {
            ASSERT_EQ(std::tuple(c->verb, c->a, c->deferred != nullptr), std::tuple(Verb::AtCount, row.atCount, true));
            c = &*c->deferred;
        }
        EXPECT_EQ(std::tuple(c->verb, c->name, c->a, c->b, c->deferred != nullptr),
                  std::tuple(row.verb, row.name, row.a, row.b, false));
    }
}

TEST(ScriptLine, BlankLinesAndCommentsAreNoCommand) {
    for (const char* line : {"", "   ", "\r", "# a note", "  #click FIN"})
        EXPECT_FALSE(parseLine(line)) << '"' << line << '"';
}

TEST(ScriptLine, MalformedLinesAreRefused) {
    const char* const rows[] = {
        "fly FIN",                       // no such command
        "quit now",                      // an argument too many
        "clipboard all",                 // the clipboard has one text
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
        EXPECT_TRUE(parsed && std::holds_alternative<ParseError>(*parsed)) << line;
    }
}

}  // namespace
}  // namespace kolven::drive
