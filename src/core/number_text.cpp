#include "core/number_text.h"

#include <charconv>
#include <cmath>

namespace kolven {

namespace {

template <typename T>
std::string shortestFixed(T value)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

std::string withSeparator(std::string text, char separator)
{
    for (char& c : text)
        if (c == '.')
            c = separator;
    return text;
}

std::string signPlace(std::string text)
{
    return text.front() == '-' ? text : ' ' + text;
}

}  // namespace

std::string localeText(float value, char decimalSeparator)
{
    return withSeparator(shortestFixed(value), decimalSeparator);
}

std::string localeText(double value, char decimalSeparator)
{
    return withSeparator(shortestFixed(value), decimalSeparator);
}

std::string localeText(std::int64_t value)
{
    return std::to_string(value);
}

std::string fixedText(float value)
{
    return signPlace(shortestFixed(value));
}

std::string fixedText(double value)
{
    return signPlace(shortestFixed(value));
}

std::string fixedText(std::int64_t value)
{
    return signPlace(std::to_string(value));
}

double roundEven(double value)
{
    return std::nearbyint(value);  // the default rounding mode: to nearest, ties to even
}

double leadingValue(const std::string& text)
{
    size_t end = 0;
    while (end < text.size() && ((text[end] >= '0' && text[end] <= '9') || text[end] == '.'))
        ++end;
    double value = 0;
    std::from_chars(text.data(), text.data() + end, value);
    return value;
}

}  // namespace kolven
