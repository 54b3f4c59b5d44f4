#include "core/time_stamps.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace kolven {

namespace {

// Header names of a time column, in lower case, once a unit in brackets and
// the blanks and quotes around are taken off.
constexpr std::array kTimeNames = {"t",       "time",    "times",      "temps",      "instant", "instants",
                                   "timestamp", "timestamps", "time_s", "t_s",      "seconds", "secondes",
                                   "s",       "horodatage"};

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '"' || s.front() == '\''))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '"' || s.back() == '\'' ||
                          s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::optional<double> number(std::string_view field, bool decimalComma)
{
    std::string text(trimmed(field));
    if (decimalComma)
        std::replace(text.begin(), text.end(), ',', '.');
    if (!text.empty() && text.front() == '+')
        text.erase(0, 1);
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::vector<std::string_view> fields(std::string_view line, char separator)
{
    std::vector<std::string_view> out;
    for (;;) {
        const auto at = separator ? line.find(separator) : std::string_view::npos;
        out.push_back(line.substr(0, at));
        if (at == std::string_view::npos)
            return out;
        line.remove_prefix(at + 1);
    }
}

bool namesTime(std::string_view header)
{
    std::string name(trimmed(header));
    const auto bracket = name.find_first_of("([");
    if (bracket != std::string::npos)
        name = std::string(trimmed(std::string_view(name).substr(0, bracket)));
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(c < 0x80 ? std::tolower(c) : c); });
    return std::find(kTimeNames.begin(), kTimeNames.end(), name) != kTimeNames.end();
}

std::string lineNumber(std::size_t n)
{
    return "ligne " + std::to_string(n);
}

// A field quoted in a notice is cut short: a file of garbage may hold lines
// of any length.
std::string quoted(std::string_view field)
{
    constexpr std::size_t kLongest = 24;
    std::string text(trimmed(field));
    if (text.size() > kLongest)
        text = text.substr(0, kLongest) + "…";
    return "« " + text + " »";
}

}  // namespace

TimeStamps parseTimeStamps(std::string_view text)
{
    TimeStamps read;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")  // a byte-order mark some spreadsheets write
        text.remove_prefix(3);

    char separator = 0;
    bool decimalComma = true;
    std::size_t column = 0;
    bool firstLine = true;
    std::size_t lineNo = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNo;
        if (line.empty() || line.front() == '#')
            continue;

        if (firstLine) {
            firstLine = false;
            if (line.find('\t') != std::string_view::npos)
                separator = '\t';
            else if (line.find(';') != std::string_view::npos)
                separator = ';';
            else if (line.find(',') != std::string_view::npos && !number(line, true))
                separator = ',';
            decimalComma = separator != ',';
            const auto heads = fields(line, separator);
            const bool header = std::any_of(heads.begin(), heads.end(),
                                            [&](std::string_view f) { return !number(f, decimalComma); });
            if (header) {
                if (heads.size() > 1) {
                    const auto named = std::find_if(heads.begin(), heads.end(), namesTime);
                    if (named == heads.end()) {
                        read.refusal = "aucune colonne ne porte le nom d'un temps (temps, time, t, instant…)";
                        return read;
                    }
                    column = static_cast<std::size_t>(named - heads.begin());
                }
                continue;
            }
            if (heads.size() > 1) {
                read.refusal = "plusieurs colonnes sans ligne d'en-tête pour dire laquelle lire";
                return read;
            }
        }

        const auto row = fields(line, separator);
        const auto value = column < row.size() ? number(row[column], decimalComma) : std::nullopt;
        if (!value) {
            read.refusal = lineNumber(lineNo) + " : " + quoted(column < row.size() ? row[column] : line) +
                           " n'est pas un instant en secondes";
            return read;
        }
        if (!read.seconds.empty() && *value <= read.seconds.back()) {
            read.refusal = lineNumber(lineNo) + (*value == read.seconds.back()
                                                     ? " : deux impulsions au même instant"
                                                     : " : un instant plus tôt que celui d'avant");
            return read;
        }
        read.seconds.push_back(*value);
    }
    if (read.seconds.empty())
        read.refusal = "aucune impulsion";
    return read;
}

}  // namespace kolven
