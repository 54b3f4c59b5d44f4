#include "script_line.h"

#include <charconv>
#include <vector>

namespace kolven::drive {

namespace {

std::vector<std::string_view> words(std::string_view line)
{
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            out.push_back(line.substr(start, i - start));
    }
    return out;
}

std::optional<int> integer(std::string_view word)
{
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return value;
}

// The line from the word first on, trailing blanks dropped: a file name may
// hold blanks, and a deferred command is a line of its own.
std::string_view restOfLine(std::string_view line, std::string_view first)
{
    std::string_view rest = line.substr(static_cast<std::size_t>(first.data() - line.data()));
    while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t'))
        rest.remove_suffix(1);
    return rest;
}

struct Grammar {
    std::string_view word;
    Verb verb;
    enum Arguments { None, Name, NameIndex, Point, Count, File, MaybeFile, CountCommand } arguments;
};

constexpr Grammar kGrammar[] = {
    {"hover", Verb::Hover, Grammar::Name},
    {"click", Verb::Click, Grammar::Name},
    {"down", Verb::Down, Grammar::Name},
    {"pick", Verb::Pick, Grammar::NameIndex},
    {"move", Verb::Move, Grammar::Point},
    {"bgclick", Verb::BackgroundClick, Grammar::Point},
    {"stop-after", Verb::StopAfter, Grammar::Count},
    {"at-count", Verb::AtCount, Grammar::CountCommand},
    {"dump", Verb::Dump, Grammar::None},
    {"export", Verb::Export, Grammar::None},
    {"shot", Verb::Shot, Grammar::File},
    {"screen-shot", Verb::ScreenShot, Grammar::File},
    {"answer-file", Verb::AnswerFile, Grammar::MaybeFile},
    {"clipboard", Verb::Clipboard, Grammar::None},
    {"record-from", Verb::RecordFrom, Grammar::File},
    {"quit", Verb::Quit, Grammar::None},
};

}  // namespace

std::optional<std::variant<Command, ParseError>> parseLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    const std::vector<std::string_view> w = words(line);
    if (w.empty() || w[0].front() == '#')
        return std::nullopt;

    const std::string text(line);
    for (const Grammar& g : kGrammar) {
        if (w[0] != g.word)
            continue;
        Command c{g.verb, {}, 0, 0, nullptr};
        const std::size_t arguments = w.size() - 1;
        const bool countRight = g.arguments == Grammar::None                                    ? arguments == 0
                                : g.arguments == Grammar::Name || g.arguments == Grammar::Count ? arguments == 1
                                : g.arguments == Grammar::File                                  ? arguments >= 1
                                : g.arguments == Grammar::MaybeFile                             ? true
                                : g.arguments == Grammar::CountCommand                          ? arguments >= 2
                                                                                                : arguments == 2;
        if (!countRight)
            return ParseError{"wrong number of arguments: " + text};
        switch (g.arguments) {
        case Grammar::None:
            break;
        case Grammar::Name:
            c.name = w[1];
            break;
        case Grammar::NameIndex: {
            c.name = w[1];
            const auto index = integer(w[2]);
            if (!index || *index < 0)
                return ParseError{"not an entry index: " + text};
            c.a = *index;
            break;
        }
        case Grammar::Point: {
            const auto x = integer(w[1]), y = integer(w[2]);
            if (!x || !y)
                return ParseError{"not a point in twips: " + text};
            c.a = *x;
            c.b = *y;
            break;
        }
        case Grammar::Count: {
            const auto k = integer(w[1]);
            if (!k || *k < 1)
                return ParseError{"not a number of counts: " + text};
            c.a = *k;
            break;
        }
        case Grammar::File:
            c.name = restOfLine(line, w[1]);
            break;
        case Grammar::MaybeFile:
            if (arguments > 0)
                c.name = restOfLine(line, w[1]);
            break;
        case Grammar::CountCommand: {
            const auto k = integer(w[1]);
            if (!k || *k < 1)
                return ParseError{"not a number of counts: " + text};
            const auto deferred = parseLine(restOfLine(line, w[2]));
            if (!deferred)
                return ParseError{"at-count wants a command: " + text};
            if (const auto* problem = std::get_if<ParseError>(&*deferred))
                return ParseError{"at-count " + std::string(w[1]) + ": " + problem->message};
            const Command& inner = std::get<Command>(*deferred);
            if (inner.verb == Verb::AtCount)
                return ParseError{"at-count cannot defer another at-count: " + text};
            c.a = *k;
            c.deferred = std::make_shared<const Command>(inner);
            break;
        }
        }
        return c;
    }
    return ParseError{"unknown command: " + text};
}

}  // namespace kolven::drive
