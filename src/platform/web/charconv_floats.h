#pragma once

// The conversions of floating-point numbers to and from text that C++17
// gives in <charconv>, which the C++ library of the browser's compiler does
// not have yet. The build of the browser edition includes this header first
// in every file, so that the program's own code stays the same: the
// results are those of the standard (the shortest text that reads back to
// the same value; plain or exponent form, whichever is shorter, the plain
// one on a tie), found with printf's correctly rounded digits.

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#include <string>
#include <system_error>

namespace kolven::web_charconv {

// The shortest significant digits that read back to value (positive,
// finite, not zero), and the decimal exponent of the first.
template <typename T>
void shortestDigits(T value, std::string& digits, int& exponent)
{
    char buffer[64];
    const int most = sizeof(T) == sizeof(float) ? 9 : 17;
    for (int precision = 1; precision <= most; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, static_cast<double>(value));
        const T back = sizeof(T) == sizeof(float) ? static_cast<T>(std::strtof(buffer, nullptr))
                                                  : static_cast<T>(std::strtod(buffer, nullptr));
        if (back == value || precision == most)
            break;
    }
    const char* e = std::strchr(buffer, 'e');
    exponent = std::atoi(e + 1);
    digits.clear();
    for (const char* p = buffer; p < e; ++p)
        if (*p >= '0' && *p <= '9')
            digits.push_back(*p);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
}

inline std::string fixedText(const std::string& digits, int exponent)
{
    const int count = static_cast<int>(digits.size());
    if (exponent >= count - 1)
        return digits + std::string(exponent - count + 1, '0');
    if (exponent < 0)
        return "0." + std::string(-exponent - 1, '0') + digits;
    return digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
}

inline std::string scientificText(const std::string& digits, int exponent)
{
    std::string text = digits.substr(0, 1);
    if (digits.size() > 1)
        text += "." + digits.substr(1);
    char tail[16];
    std::snprintf(tail, sizeof tail, "e%c%02d", exponent < 0 ? '-' : '+', exponent < 0 ? -exponent : exponent);
    return text + tail;
}

template <typename T>
std::to_chars_result toChars(char* first, char* last, T value, bool fixedOnly)
{
    std::string text;
    if (std::isnan(value)) {
        text = std::signbit(value) ? "-nan" : "nan";
    } else if (std::isinf(value)) {
        text = value < 0 ? "-inf" : "inf";
    } else if (value == 0) {
        text = std::signbit(value) ? "-0" : "0";
    } else {
        std::string digits;
        int exponent = 0;
        shortestDigits(std::fabs(value), digits, exponent);
        const std::string fixed = fixedText(digits, exponent);
        const std::string scientific = scientificText(digits, exponent);
        text = fixedOnly || fixed.size() <= scientific.size() ? fixed : scientific;
        if (value < 0)
            text.insert(0, 1, '-');
    }
    if (last - first < static_cast<std::ptrdiff_t>(text.size()))
        return {last, std::errc::value_too_large};
    std::memcpy(first, text.data(), text.size());
    return {first + text.size(), std::errc()};
}

// The longest prefix of [first, last) in the form [-]digits[.digits][e[±]digits]
// (or inf, nan), read as strtod reads it.
template <typename T>
std::from_chars_result fromChars(const char* first, const char* last, T& value)
{
    const char* p = first;
    if (p < last && *p == '-')
        ++p;
    const auto isDigit = [&](const char* q) { return q < last && *q >= '0' && *q <= '9'; };
    const char* mantissa = p;
    while (isDigit(p))
        ++p;
    bool any = p > mantissa;
    if (p < last && *p == '.') {
        const char* fraction = ++p;
        while (isDigit(p))
            ++p;
        any = any || p > fraction;
        if (!any)
            p = mantissa;
    }
    if (!any) {
        const std::size_t left = static_cast<std::size_t>(last - mantissa);
        const auto word = [&](const char* w) {
            const std::size_t n = std::strlen(w);
            return left >= n && strncasecmp(mantissa, w, n) == 0;
        };
        if (word("infinity"))
            p = mantissa + 8;
        else if (word("inf") || word("nan"))
            p = mantissa + 3;
        else
            return {first, std::errc::invalid_argument};
    } else if (p < last && (*p == 'e' || *p == 'E')) {
        const char* exponent = p + 1;
        if (exponent < last && (*exponent == '+' || *exponent == '-'))
            ++exponent;
        if (isDigit(exponent)) {
            p = exponent;
            while (isDigit(p))
                ++p;
        }
    }
    const std::string text(first, p);
    errno = 0;
    const double read = std::strtod(text.c_str(), nullptr);
    const T converted = static_cast<T>(read);
    if (errno == ERANGE || (std::isinf(converted) && !std::isinf(read)))
        return {p, std::errc::result_out_of_range};
    value = converted;
    return {p, std::errc()};
}

}  // namespace kolven::web_charconv

namespace std {

inline to_chars_result to_chars(char* first, char* last, double value)
{
    return kolven::web_charconv::toChars(first, last, value, false);
}
inline to_chars_result to_chars(char* first, char* last, float value)
{
    return kolven::web_charconv::toChars(first, last, value, false);
}
inline to_chars_result to_chars(char* first, char* last, double value, chars_format format)
{
    return kolven::web_charconv::toChars(first, last, value, format == chars_format::fixed);
}
inline to_chars_result to_chars(char* first, char* last, float value, chars_format format)
{
    return kolven::web_charconv::toChars(first, last, value, format == chars_format::fixed);
}
// With a precision the library's printf gives the same digits: it rounds the
// exact binary value, as to_chars does.
inline to_chars_result to_chars(char* first, char* last, double value, chars_format format, int precision)
{
    const char* spec = format == chars_format::fixed ? "%.*f" : format == chars_format::scientific ? "%.*e" : "%.*g";
    const int written = std::snprintf(first, static_cast<std::size_t>(last - first), spec, precision, value);
    if (written < 0 || written >= last - first)
        return {last, errc::value_too_large};
    return {first + written, errc()};
}
inline from_chars_result from_chars(const char* first, const char* last, double& value)
{
    return kolven::web_charconv::fromChars(first, last, value);
}
inline from_chars_result from_chars(const char* first, const char* last, float& value)
{
    return kolven::web_charconv::fromChars(first, last, value);
}

}  // namespace std
