#include "platform/web/web_text.h"

namespace kolven::platform::web {

const AdvanceTableMeasurer& textMetrics()
{
    static const AdvanceTableMeasurer metrics;
    return metrics;
}

FontFace faceOf(const Font& font)
{
    const AdvanceTableMeasurer::Scaled s = textMetrics().scaled(font);
    return {s.family, s.pixels, s.ascent};
}

std::vector<std::string> wrappedLines(const Font& font, const std::string& text, double width)
{
    const auto widthOf = [&](const std::string& t) { return textMetrics().advance64(font, t) / 64.0; };
    if (widthOf(text) <= width + 0.5)
        return {text};
    std::vector<std::string> lines;
    std::string line;
    std::size_t i = 0;
    while (i < text.size()) {
        // A word with the blanks before it.
        std::size_t end = i;
        while (end < text.size() && text[end] == ' ')
            ++end;
        while (end < text.size() && text[end] != ' ')
            ++end;
        const std::string piece = text.substr(i, end - i);
        if (!line.empty() && widthOf(line + piece) > width + 0.5) {
            lines.push_back(line);
            const std::size_t word = piece.find_first_not_of(' ');
            line = word == std::string::npos ? std::string() : piece.substr(word);
        } else {
            line += piece;
        }
        i = end;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

}  // namespace kolven::platform::web
