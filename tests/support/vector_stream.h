#pragma once

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <stdexcept>
#include <utility>
#include <vector>

#include "core/simulated_count.h"

namespace kolven::test {

// Interval values held in memory, wrapping to the first at the end as the
// interval file does. Reading more than the limit throws, so that a count
// that never closes fails its test instead of hanging it.
class VectorStream final : public IntervalSource {
public:
    explicit VectorStream(std::vector<float> values, std::size_t limit = 1000)
        : m_values(std::move(values)), m_limit(limit) {}

    // Up to the end of the vector, or to the limit.
    IntervalSpan values() override {
        if (m_reads == m_limit)
            throw std::runtime_error("too many values read: the count does not close");
        const std::size_t at = m_reads % m_values.size();
        return {nullptr, &m_values.at(at), std::min(m_values.size() - at, m_limit - m_reads)};
    }
    void consume(std::size_t n) override { m_reads += n; }

    // Values read so far, wraps included.
    std::size_t reads() const { return m_reads; }

private:
    std::vector<float> m_values;
    std::size_t m_limit;
    std::size_t m_reads = 0;
};

// Intervals given in time units of TEMPS_S, as the file holds them (×250).
inline std::vector<float> inFileUnits(std::initializer_list<float> times) {
    std::vector<float> values;
    for (float t : times)
        values.push_back(t * 250.0f);
    return values;
}

}  // namespace kolven::test
