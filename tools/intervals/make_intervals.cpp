// kolven-make-intervals OUTPUT [COUNT [SEED]]
//
// Writes the interval file KOLVEN_11.KVL that the simulated count walks: the
// intervals between successive detections of a steady source far from its
// detector, which is a Poisson process. One detection per time unit on
// average, each interval in 1/250 of the time unit, so the values average 250.
//
// Method. The intervals of a Poisson process are independent and exponential;
// each one is drawn by inverting the exponential distribution function,
//     x = -250 ln(1 - u),
// with u uniform in [0, 1) made of the top 53 bits of one std::mt19937_64
// output (u = bits / 2^53: every double of that grid, and 1 - u is never 0).
// The engine's sequence is fixed by the C++ standard; the standard
// distributions are not, and differ between libraries, so none is used: the
// file comes out byte for byte the same with any conforming compiler and
// library. (A logarithm one ulp off elsewhere could move a value across a
// rounding boundary only if 8x fell within about 1e-12 of a half-integer; over
// a few million values that is a chance of about 1e-5.)
//
// Default seed: 0x4B4F4C56454E3131, the ASCII bytes of "KOLVEN11".
// Default length: 12 000 000 intervals. A count at mean 9 reads about 11
// values (the lead-in, the detections, the one that closes the window), so a
// run of a million counts at mean 9 never reads the same stretch twice; at
// the largest mean (170, some 171 values a count) the walk wraps round after
// about 70 000 counts.
//
// Each x is rounded to the nearest 1/8 and written with three decimals
// ("123.375"): a multiple of 1/8 below 2^21 is exact in single precision, so
// reading a value as a float or as a double gives the same number and cannot
// move a detection across the edge of a window.
//
// A value that rounds to 0 (x < 1/16, about one in 4 000) is written as 0.125
// instead. An interval of 0 would be two detections at the same instant, which
// no counter can resolve and no recorded stream holds; in the walk it would
// also add a detection without advancing time at all. The change adds about
// 2e-5 to the mean of 250.

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "interval_generator.h"

namespace {

using kolven::intervals::kDefaultCount;
using kolven::intervals::kDefaultSeed;
// The walk skips up to 100 values when it opens the file, without wrapping.
constexpr std::uint64_t kMinimumCount = 101;
constexpr int kValuesPerLine = 10;
constexpr std::size_t kBufferSize = 1 << 20;
// Longest value: -250 ln(2^-53) < 9 185, so at most 4 integer digits; room
// for 7 is kept anyway, plus ".ddd" and a separator.
constexpr std::size_t kLongestField = 12;

// The three decimals of k/8 for k = 0 … 7, exact in decimal.
constexpr const char* kEighths[8] = {"000", "125", "250", "375", "500", "625", "750", "875"};

char* writeValue(char* out, std::uint32_t eighths)
{
    out = std::to_chars(out, out + 7, eighths >> 3).ptr;
    *out++ = '.';
    std::memcpy(out, kEighths[eighths & 7], 3);
    return out + 3;
}

bool parseNumber(const char* text, std::uint64_t& value)
{
    const char* end = text + std::strlen(text);
    int base = 10;
    if (end - text > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text += 2;
        base = 16;
    }
    const auto [ptr, ec] = std::from_chars(text, end, value, base);
    return ec == std::errc() && ptr == end && text != end;
}

int usage(const char* program)
{
    std::fprintf(stderr, "usage: %s OUTPUT [COUNT [SEED]]\n"
                         "  COUNT: number of intervals, at least %llu (default %llu)\n"
                         "  SEED: decimal or 0x… (default 0x%llX)\n",
                 program, static_cast<unsigned long long>(kMinimumCount),
                 static_cast<unsigned long long>(kDefaultCount),
                 static_cast<unsigned long long>(kDefaultSeed));
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 4)
        return usage(argv[0]);
    const std::string path = argv[1];
    std::uint64_t count = kDefaultCount;
    std::uint64_t seed = kDefaultSeed;
    if (argc > 2 && (!parseNumber(argv[2], count) || count < kMinimumCount))
        return usage(argv[0]);
    if (argc > 3 && !parseNumber(argv[3], seed))
        return usage(argv[0]);

    // Written beside the target and renamed over it, so that a build stopped
    // half-way never leaves a short file that looks finished.
    const std::string partial = path + ".part";
    std::FILE* file = std::fopen(partial.c_str(), "wb");
    if (!file) {
        std::perror(partial.c_str());
        return 1;
    }

    kolven::intervals::IntervalGenerator generator(seed);
    std::vector<char> buffer(kBufferSize);
    char* const flushAt = buffer.data() + buffer.size() - kLongestField;
    char* out = buffer.data();
    bool ok = true;
    for (std::uint64_t i = 0; i < count && ok; ++i) {
        out = writeValue(out, generator.nextEighths());
        *out++ = (i + 1) % kValuesPerLine == 0 || i + 1 == count ? '\n' : ' ';
        if (out >= flushAt) {
            const auto size = static_cast<std::size_t>(out - buffer.data());
            ok = std::fwrite(buffer.data(), 1, size, file) == size;
            out = buffer.data();
        }
    }
    const auto size = static_cast<std::size_t>(out - buffer.data());
    ok = ok && std::fwrite(buffer.data(), 1, size, file) == size;
    ok = (std::fclose(file) == 0) && ok;
    if (!ok || std::rename(partial.c_str(), path.c_str()) != 0) {
        std::perror(path.c_str());
        std::remove(partial.c_str());
        return 1;
    }
    return 0;
}
