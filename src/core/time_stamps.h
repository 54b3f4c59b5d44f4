#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kolven {

// The instants of a counter's pulses, in seconds, as a data logger writes
// them: one a line, or one column of a CSV file with a header line. With
// several columns, the one whose header names a time ("temps", "time", "t",
// "instant", "timestamp", "secondes" …, a unit in brackets allowed) is read.
//
// The separator is the first line's tab or semicolon (the decimal mark may
// then be a point or a comma, as a French spreadsheet writes), else its
// comma when that line is a header (the decimal mark is then a point). A
// first line that is a single number is a file of one instant a line, where
// "0,5" is a half.
//
// Blank lines and lines starting with '#' are passed over. Everything else
// must be an instant later than the one before: a field that is not a
// number, two pulses at the same instant or an instant earlier than the one
// before refuse the whole file, with the line that says so.
struct TimeStamps {
    std::vector<double> seconds;
    std::string refusal;  // French, empty when the file was read
};

TimeStamps parseTimeStamps(std::string_view text);

}  // namespace kolven
