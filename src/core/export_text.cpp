#include "core/export_text.h"

namespace kolven {

namespace {

// The longest line: " 240 " and a ten-digit count between blanks, CR LF.
constexpr size_t kLongestLine = 5 + 12 + 2;

// A number between blanks (the first in place of its sign).
char* writeField(char* out, std::uint32_t value)
{
    char digits[10];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    *out++ = ' ';
    while (n > 0)
        *out++ = digits[--n];
    *out++ = ' ';
    return out;
}

char* writeLine(char* out, std::uint32_t value, std::int32_t count)
{
    out = writeField(out, value);
    out = writeField(out, static_cast<std::uint32_t>(count));
    *out++ = '\r';
    *out++ = '\n';
    return out;
}

}  // namespace

void ExportText::build(const Histogram& histogram)
{
    m_text.resize(241 * kLongestLine);
    char* const begin = m_text.data();
    char* p = begin;
    for (std::uint32_t k = 0; k <= 240; ++k) {
        m_start[k] = static_cast<std::uint32_t>(p - begin);
        p = writeLine(p, k, histogram[k]);
    }
    m_start[241] = static_cast<std::uint32_t>(p - begin);
    m_text.resize(m_start[241]);
    m_shown = histogram;
    m_built = true;
}

const std::string& ExportText::render(const Histogram& histogram)
{
    if (!m_built) {
        build(histogram);
        return m_text;
    }
    for (std::uint32_t k = 0; k <= 240; ++k) {
        if (histogram[k] == m_shown[k])
            continue;
        char line[kLongestLine];
        const auto length = static_cast<std::uint32_t>(writeLine(line, k, histogram[k]) - line);
        const std::uint32_t oldLength = m_start[k + 1] - m_start[k];
        m_text.replace(m_start[k], oldLength, line, length);
        if (length != oldLength)
            for (std::uint32_t j = k + 1; j <= 241; ++j)
                m_start[j] = m_start[j] + length - oldLength;
        m_shown[k] = histogram[k];
    }
    return m_text;
}

}  // namespace kolven
