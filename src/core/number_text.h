#pragma once

#include <cstdint>
#include <string>

namespace kolven {

// The two ways numbers become text.
//
// Locale form (series read-outs): the shortest decimal that reads back to
// the same value, no trailing zeros, the user's decimal separator, no
// leading blank.
std::string localeText(float value, char decimalSeparator);
std::string localeText(double value, char decimalSeparator);
std::string localeText(std::int64_t value);

// Fixed form (mean read-out, plot labels, bin read-outs): a point whatever
// the locale, one blank in front of a non-negative number, no trailing zeros.
std::string fixedText(float value);
std::string fixedText(double value);
std::string fixedText(std::int64_t value);

// Round to the nearest integer, ties to even (the rounding of every
// float-to-integer conversion unless said otherwise).
double roundEven(double value);

// A number read from its leading digits, stopping at the first character
// that is neither a digit nor a point: "3,5" reads 3 and "0,5" reads 0.
double leadingValue(const std::string& text);

}  // namespace kolven
