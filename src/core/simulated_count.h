#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace kolven {

// A stretch of the stream held contiguously in memory, in one of two forms:
// whole eighths (the supplied file rounds every interval to 1/8, and 16 bits
// hold them at half the room of a float), or single-precision values for any
// other stream. Either way each value is exactly the float the count adds.
struct IntervalSpan {
    const std::uint16_t* eighths = nullptr;  // value = eighths[i] / 8
    const float* floats = nullptr;           // used when eighths is null
    std::size_t size = 0;
};

// Interval values in the order of the stream, wrapping to the first value
// at the end; each value is an interval in 1/250 of the counting time unit.
class IntervalSource {
public:
    virtual ~IntervalSource() = default;
    // The values from the current position on: at least one. A source may
    // wait a bounded time for them, or throw.
    virtual IntervalSpan values() = 0;
    // The first n values of the last span have been used.
    virtual void consume(std::size_t n) = 0;
    // A count begins: from now on its time is measured.
    virtual void countStarts() {}
    // The count in progress has taken longer than any count should: the
    // stream is too slow to end it.
    virtual bool countOverdue() const { return false; }
};

// The stream cannot end a count: its intervals no longer move time on in
// single precision, or every window is thrown away (an odd sum, a negative
// difference) again and again.
class CountNeverEnds : public std::runtime_error {
public:
    CountNeverEnds() : std::runtime_error("the interval stream cannot end a count") {}
};

// The state a simulated count reads and leaves behind; the window's own
// variables of the same names.
struct CountWalk {
    float& A_S;               // last interval, divided by 250
    float& B_S;               // time reached in the current window
    std::string& DONNEES_T;   // origin code; "ASSOCIATIONS4" during the second phase
};

// One simulated count over windows of length TEMPS_S walked on the stream:
// a plain count, the sum of two successive counts, their half-sum (odd sums
// thrown away) or the sum minus the next count (negative values made again).
// Every time quantity is deliberately single precision, and so are the
// counts built on it: a window that closes exactly on its length in single
// precision counts one detection fewer than it would in double.
// A count above what 16 bits hold comes back as 32767: it is above the
// limit of 240 either way.
std::int16_t simulatedCount(IntervalSource& source, float TEMPS_S, CountWalk walk);

}  // namespace kolven
