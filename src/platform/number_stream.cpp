#include "platform/number_stream.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

namespace kolven::platform {

namespace {

constexpr std::array<bool, 256> kSeparators = [] {
    std::array<bool, 256> table{};
    for (unsigned char c : {',', ' ', '\t', '\r', '\n'})
        table[c] = true;
    return table;
}();

bool isSeparator(char c)
{
    return kSeparators[static_cast<unsigned char>(c)];
}

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kByteOrderMarkLength = 3;

std::optional<double> parse(const char* first, const char* last)
{
    if (first < last && *first == '+')
        ++first;
    double value = 0;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    // "inf" and "nan" parse, but they are words, not decimal numbers.
    if (first == last || ec != std::errc() || ptr != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace

NumberStream::NumberStream(std::string bytes) : m_buffer(bytes.begin(), bytes.end()), m_end(m_buffer.size())
{
    skipByteOrderMark();
}

NumberStream::NumberStream(std::unique_ptr<ByteSource> source, std::size_t pieceSize)
    : m_source(std::move(source)), m_buffer(std::max<std::size_t>(pieceSize, kByteOrderMarkLength))
{
    // The mark is looked for in the first three bytes, however the first
    // pieces come.
    while (m_end < kByteOrderMarkLength) {
        const std::size_t n = m_source->read(m_buffer.data() + m_end, m_buffer.size() - m_end);
        if (n == 0)
            break;
        m_end += n;
    }
    skipByteOrderMark();
}

void NumberStream::skipByteOrderMark()
{
    if (m_end >= kByteOrderMarkLength && std::memcmp(m_buffer.data(), kByteOrderMark, kByteOrderMarkLength) == 0)
        m_pos = kByteOrderMarkLength;
}

bool NumberStream::refill()
{
    if (!m_source)
        return false;
    m_pos = 0;
    m_end = m_source->read(m_buffer.data(), m_buffer.size());
    return m_end > 0;
}

// A field ends at a separator, or at the end of bytes that are all in
// memory; a field cut by the end of a piece goes on in the next one.
bool NumberStream::fieldEndsHere(const char* p) const
{
    return p < m_buffer.data() + m_end ? isSeparator(*p) : m_source == nullptr;
}

// The rest of a field found too long, up to its end, without keeping it.
bool NumberStream::passOverLongField()
{
    m_inLongField = false;
    for (;;) {
        while (m_pos < m_end && !isSeparator(m_buffer[m_pos]))
            ++m_pos;
        if (m_pos < m_end)
            return true;
        if (!refill())
            return false;
    }
}

// Digits with at most one point and at most 15 significant digits, the
// whole field in the buffer: the digits as a whole number, divided once by a
// power of ten. Both are exact doubles, so the one rounding of the division
// gives the correctly rounded value, as the general parser would. Anything
// else is left to the general parser. At most 17 bytes are looked at, so a
// field of any length costs no more here.
inline std::optional<double> NumberStream::plainDecimalInPlace()
{
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    constexpr std::size_t kLongestPlain = 15 + 2;  // digits, a point, and one more to see the end
    const char* const first = m_buffer.data() + m_pos;
    const char* const limit = m_buffer.data() + std::min(m_end, m_pos + kLongestPlain);
    const char* p = first;
    std::uint64_t digits = 0;
    unsigned digit = 0;
    while (p < limit && (digit = static_cast<unsigned char>(*p) - unsigned{'0'}) < 10) {
        digits = digits * 10 + digit;
        ++p;
    }
    int count = static_cast<int>(p - first);
    int decimals = 0;
    if (p < limit && *p == '.') {
        const char* const fraction = ++p;
        while (p < limit && (digit = static_cast<unsigned char>(*p) - unsigned{'0'}) < 10) {
            digits = digits * 10 + digit;
            ++p;
        }
        decimals = static_cast<int>(p - fraction);
        count += decimals;
    }
    if (count == 0 || count > 15 || !fieldEndsHere(p))
        return std::nullopt;
    m_pos = static_cast<std::size_t>(p - m_buffer.data());
    return static_cast<double>(digits) / kPowers[decimals];
}

std::optional<double> NumberStream::next()
{
    if (m_inLongField && !passOverLongField())
        return std::nullopt;
    std::size_t separators = 0;
    for (;;) {
        const std::size_t from = m_pos;
        while (m_pos < m_end && isSeparator(m_buffer[m_pos]))
            ++m_pos;
        if (m_pos < m_end)
            break;
        separators += m_pos - from;
        if (separators > kLongestGap || !refill())
            return std::nullopt;
    }
    if (const auto value = plainDecimalInPlace())
        return value;
    return gatheredField();
}

// The general case, gathered into a field of bounded length, across pieces
// when a piece ends inside it. Kept out of line: the plain decimals that
// make the interval file are read without its buffer on the stack.
std::optional<double> NumberStream::gatheredField()
{
    char field[kLongestField];
    std::size_t length = 0;
    for (;;) {
        while (m_pos < m_end && !isSeparator(m_buffer[m_pos])) {
            if (length == kLongestField) {
                m_inLongField = true;
                return std::nullopt;
            }
            field[length++] = m_buffer[m_pos++];
        }
        if (m_pos < m_end || !refill())
            break;
    }
    return parse(field, field + length);
}

}  // namespace kolven::platform
