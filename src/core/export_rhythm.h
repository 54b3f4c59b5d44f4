#pragma once

#include <optional>

namespace kolven {

// When a run writes the export file. Replacing the file whole costs some
// 80 µs against a fraction of a microsecond for a count, so a fast run
// writes it at most once a frame (kShortestGap) and always after its last
// count: a reader polling the file sees a histogram at most a frame old, and
// the file after the run is exact. A run that a student follows count by
// count writes it after every count. Times are seconds of a monotonic clock.
class ExportRhythm {
public:
    static constexpr double kShortestGap = 1.0 / 60;

    // A count has just been classed: true when the file is to be written now.
    bool countClassed(double now, bool countByCount);
    // A count was refused (above 240): true when the file lacks counts
    // classed before it and a frame has gone by since its last writing, so
    // that a stretch of refused counts does not leave it behind.
    bool countRefused(double now);
    // The run is over: true when the file lacks counts classed since its
    // last writing, which is then due now.
    bool runEnded(double now);

private:
    std::optional<double> m_lastWriting;
    bool m_behind = false;
};

}  // namespace kolven
