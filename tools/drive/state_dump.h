#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kolven {

class KolvenWindow;

// The window as one line of JSON: every control's properties (geometry in
// twips relative to its parent, as the control holds it) and every variable
// of the series, the settings and the display, under the program's names.
// The scenario driver prints it; tests read it back.
std::string dumpJson(const KolvenWindow& window);

// {"path": …, "text": …}: the export file and its exact contents, text null
// when there is no file.
std::string exportJson(const std::string& path, const std::optional<std::string>& text);

// A JSON string literal: quotes, backslashes and control characters escaped,
// every other byte (UTF-8 included) as it is.
std::string jsonString(std::string_view text);
// The shortest decimal that reads back to the same value in the same
// precision; null for infinities and NaN, which JSON cannot hold.
std::string jsonNumber(float value);
std::string jsonNumber(double value);

}  // namespace kolven
