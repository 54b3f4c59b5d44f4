// Numbers read from bytes, held in memory or coming a piece at a time:
// the same numbers wherever the pieces are cut, fields too long to be
// numbers, and the way back to the first number.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/number_stream.h"
#include "support/byte_pieces.h"

namespace {

using kolven::platform::NumberStream, kolven::testing::Pieces;

constexpr double kNone = -999;  // in a row's numbers: a field that is not a number

// Every read up to the end; a field that is not a number reads as kNone and
// reading goes on after it.
std::vector<double> readAll(NumberStream& stream, std::size_t fields) {
    std::vector<double> read;
    for (std::size_t i = 0; i < fields; ++i)
        read.push_back(stream.next().value_or(kNone));
    return read;
}

TEST(NumberStream, SameNumbersWhereverThePiecesAreCut) {
    const std::string longDigits(65, '1');
    const struct { const char* name; std::string bytes; std::vector<double> numbers /* then the end */; } rows[] = {
        {"plain decimals and separators", "250 12.5,\t3\r\n0.125", {250, 12.5, 3, 0.125}},
        {"a byte order mark first", "\xEF\xBB\xBF" "7 8", {7, 8}},
        {"an exponent, a sign, points at either end", "2.5e2 +3 .5 5. -1", {250, 3, 0.5, 5, -1}},
        {"sixteen significant digits go to the general parser", "1234567890.123456 1", {1234567890.123456, 1}},
        {"words are not numbers", "inf nan 1x 4", {kNone, kNone, kNone, 4}},
        {"a field of 64 characters is still read", std::string(63, '0') + "7 2", {7, 2}},
        {"a longer field is not a number, and is passed over", longDigits + " 9", {kNone, 9}},
        {"a long field at the very end", "3 " + longDigits, {3, kNone}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        // Everything is read twice past the end: the end stays the end.
        std::vector<double> expected = row.numbers;
        expected.insert(expected.end(), {kNone, kNone});
        NumberStream inMemory(row.bytes);
        EXPECT_EQ(readAll(inMemory, expected.size()), expected);
        for (std::size_t piece : {1, 2, 3, 5, 64, 4096}) {
            NumberStream inPieces(std::make_unique<Pieces>(row.bytes, piece), piece);
            EXPECT_EQ(readAll(inPieces, expected.size()), expected) << "in pieces of " << piece;
        }
    }
}

}  // namespace

// A run of blanks longer than any file of numbers holds, coming from the
// disk, stops the read there rather than holding the window while it lasts.
TEST(NumberStream, AnEndlessRunOfBlanksIsAReadError) {
    for (const std::size_t gap : {NumberStream::kLongestGap - 1, NumberStream::kLongestGap + (1 << 16) + 1}) {
        SCOPED_TRACE(gap);
        NumberStream stream(std::make_unique<Pieces>("5" + std::string(gap, ' ') + "7", 1 << 16));
        EXPECT_EQ(stream.next(), 5.0);
        EXPECT_EQ(stream.next(), gap < NumberStream::kLongestGap ? std::optional<double>(7.0) : std::nullopt);
    }
}
