#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace kolven::drive {

enum class Verb { Hover, Click, Down, Pick, Move, BackgroundClick, StopAfter, AtCount, Dump, Export, Shot, ScreenShot, AnswerFile, Clipboard, RecordFrom, Quit };

struct Command {
    Verb verb;
    std::string name;  // control name, or the file of a shot, a screen-shot or answer-file
    int a = 0;         // list index, x, or number of counts
    int b = 0;         // y
    // at-count: the command to carry out at the a-th yield of the next run.
    std::shared_ptr<const Command> deferred;
};

struct ParseError {
    std::string message;
};

// One line of a script; nothing for a blank line or a comment.
std::optional<std::variant<Command, ParseError>> parseLine(std::string_view line);

}  // namespace kolven::drive
