#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"

namespace kolven::platform {

// Where a number stream takes its bytes from, a piece at a time.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Up to `most` of the next bytes into `into`; 0 at the end or on an error.
    virtual std::size_t read(char* into, std::size_t most) = 0;
};

// Decimal numbers read from bytes: fields separated by commas, blanks, tabs
// or line breaks, a point as decimal separator, an optional UTF-8 byte order
// mark first. Either all the bytes are held in memory, and the stream can go
// back to its first number at no cost, or they come from a source a piece at
// a time; both give the same numbers from the same bytes, wherever the
// pieces are cut.
class NumberStream final : public NumberReader {
public:
    // Longer than any decimal a person writes: such a field is not a number,
    // and it is passed over without being gathered.
    static constexpr std::size_t kLongestField = 64;
    // More blanks than this in a row, read from the disk, count as a read
    // error: the reader asks the clock between two reads, and a file of
    // gigabytes of blanks must not hold the window that long.
    static constexpr std::size_t kLongestGap = 16 << 20;

    explicit NumberStream(std::string bytes);
    NumberStream(std::unique_ptr<ByteSource> source, std::size_t pieceSize = 1 << 16);

    std::optional<double> next() override;

private:
    bool refill();
    void skipByteOrderMark();
    // Inlined into next(): it reads nearly every value of the interval file.
    [[gnu::always_inline]] inline std::optional<double> plainDecimalInPlace();
    [[gnu::noinline]] std::optional<double> gatheredField();
    bool fieldEndsHere(const char* p) const;
    bool passOverLongField();

    std::unique_ptr<ByteSource> m_source;  // null: every byte is in m_buffer
    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_inLongField = false;
};

}  // namespace kolven::platform
