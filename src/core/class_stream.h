#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kolven {

// The class's own stream of intervals, made from the pulses of its counter.
//
// The intervals between successive pulses are scaled so that their mean is
// 250, as in the supplied stream: a count at mean m then takes a window of
// m mean intervals and expects m pulses, whatever the counter's rate. They
// are written as the supplied interval file is, ten to a line, each value
// the shortest decimal that reads back to the very float the count adds,
// and followed by two lines that are not intervals (reading a stream stops
// at its first field that is not a number), for the pulse count and the
// true rate:
//
//     impulsions 2431
//     cadence 12.3456
//
// The true rate is the pulses less one over the time from the first to the
// last: n pulses mark n - 1 intervals.

// A recording or an import below this gives too few counts for a lesson.
constexpr std::size_t kFewestPulses = 1000;
// The most pulses a stream holds: one more than the intervals a held
// stream walks.
constexpr std::size_t kMostPulses = (std::size_t{1} << 25) + 1;

struct ClassStreamFacts {
    std::int64_t pulses = 0;
    double rate = 0;  // per second
};

// Why these pulse times (in seconds, in order) cannot make the class's
// stream, in French; empty when they can.
std::string pulsesRefusal(const std::vector<double>& seconds);

ClassStreamFacts classStreamFacts(const std::vector<double>& seconds);

// The interval file of the class, for pulses that pulsesRefusal accepts.
std::string classStreamText(const std::vector<double>& seconds);

// The facts from the end of a class interval file; nothing when the end is
// not one that classStreamText writes.
std::optional<ClassStreamFacts> classStreamFactsFromTail(std::string_view tail);

// A whole number in groups of three digits set apart by a blank, as French
// writes them: "2 431".
std::string groupedDigits(std::int64_t n);

// A rate per second as the screen gives it: one decimal, two below one
// pulse a second, so that a slow counter does not read 0,0.
std::string rateText(double perSecond, char decimalSeparator);

// What the screen says of the class's stream:
// "Intervalles de la classe : 2 431 impulsions, 12,3 /s".
std::string classStreamCaption(const ClassStreamFacts& facts, char decimalSeparator);

}  // namespace kolven
