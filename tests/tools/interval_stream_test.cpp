// The interval file made at build time, read back through the program's own
// reader and walked by the program's own simulated count: the counts must come
// out as a Poisson law of mean TEMPS_S, whose variance equals its mean.

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "core/interval_file.h"
#include "core/simulated_count.h"
#include "platform/posix_files.h"

namespace {

// A run of a million counts at mean 9 reads some 11 million values.
constexpr std::size_t kMinimumValues = 12'000'000;
// Sampling error allowed, in standard errors: with five windows and two
// moments each, a sound stream fails for fewer than one seed in ten thousand,
// while a stream of mean 240 or one more regular than Poisson misses by tens
// of standard errors.
constexpr double kStandardErrors = 4.5;

std::string intervalFilePath() { return std::string(KOLVEN_BIN_DIR) + '/' + kolven::kIntervalFileName; }

// The whole file, parsed once for every test; empty when it cannot be read.
const std::vector<double>& intervals() {
    static const std::vector<double> values = [] {
        std::vector<double> read;
        read.reserve(kMinimumValues);
        kolven::platform::PosixFileSystem files;
        if (const auto reader = files.openNumbers(intervalFilePath()))
            while (const auto value = reader->next())
                read.push_back(*value);
        return read;
    }();
    return values;
}

// The file's values in order, converted to single precision as the interval
// file does. It does not wrap: a walk that runs past the end would reuse the
// same stretch of stream and its counts would no longer be independent.
class StreamInOrder final : public kolven::IntervalSource {
public:
    explicit StreamInOrder(const std::vector<double>& values) : m_values(values.begin(), values.end()) {}
    kolven::IntervalSpan values() override {
        if (m_position == m_values.size()) {
            m_ranPastEnd = true;
            m_position = 0;
        }
        return {nullptr, m_values.data() + m_position, m_values.size() - m_position};
    }
    void consume(std::size_t n) override { m_position += n; }
    bool ranPastEnd() const { return m_ranPastEnd; }

private:
    std::vector<float> m_values;
    std::size_t m_position = 0;
    bool m_ranPastEnd = false;
};

// A multiple of 1/8 below 2^21 is the same number in single and double
// precision, so no detection can move across a window's edge with the type
// the file is read into. No interval is 0: two detections at one instant are
// not something a counter records.
TEST(IntervalStream, EveryIntervalIsAPositiveEighthExactInSinglePrecision) {
    const auto& values = intervals();
    ASSERT_FALSE(values.empty()) << intervalFilePath();
    std::size_t bad = 0, firstBad = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double v = values[i];
        const bool ok = v > 0 && v * 8 == std::floor(v * 8) && static_cast<double>(static_cast<float>(v)) == v;
        if (!ok && bad++ == 0)
            firstBad = i;
    }
    EXPECT_EQ(bad, 0u) << "first at index " << firstBad << ": " << values[firstBad];
}

// Successive counts walk successive stretches of the stream, each opening
// after the detection that closed the one before; on a Poisson stream they
// are independent counts of a Poisson law of mean TEMPS_S. The standard error
// of the mean of n such counts is sqrt(m / n); that of their variance is
// sqrt((2m^2 + m) / n), from the fourth central moment m + 3m^2 of the law.
// Each row takes as many counts as fit in the file without wrapping.
TEST(IntervalStream, SimulatedCountsHaveMeanAndVarianceOfTheWindow) {
    const struct { const char* name; float TEMPS_S; int counts; } rows[] = {
        {"a tenth: nine windows in ten are empty", 0.1f, 1'000'000},
        {"one unit", 1.0f, 500'000},
        {"nine, the mean at start-up", 9.0f, 200'000},
        {"forty-nine", 49.0f, 60'000},
        {"a hundred and seventy, the largest mean", 170.0f, 18'000},
    };
    const auto& values = intervals();
    ASSERT_GE(values.size(), kMinimumValues)
        << intervalFilePath() << " missing or short: build the target kolven_interval_file";

    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        StreamInOrder stream(values);
        float A_S = 0, B_S = 0;
        std::string DONNEES_T = "EXPERIENCE";
        double sum = 0, sumOfSquares = 0;
        for (int i = 0; i < row.counts; ++i) {
            const double count = kolven::simulatedCount(stream, row.TEMPS_S, {A_S, B_S, DONNEES_T});
            sum += count;
            sumOfSquares += count * count;
        }
        ASSERT_FALSE(stream.ranPastEnd()) << "too many counts for the file";

        const double n = row.counts, m = row.TEMPS_S, mean = sum / n;
        const double variance = (sumOfSquares - n * mean * mean) / (n - 1);
        EXPECT_NEAR(mean, m, kStandardErrors * std::sqrt(m / n)) << "mean";
        EXPECT_NEAR(variance, m, kStandardErrors * std::sqrt((2 * m * m + m) / n)) << "variance";
    }
}

}  // namespace
