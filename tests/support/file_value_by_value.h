#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/interval_file.h"
#include "core/simulated_count.h"
#include "platform/files.h"

namespace kolven::test {

// The interval file read one value at a time straight from the file, as the
// count once read it: at the end, or at a field that is not an interval, the
// file is opened again and read from its first value.
class FileValueByValue final : public IntervalSource {
public:
    FileValueByValue(platform::FileSystem& files, std::string path) : m_files(files), m_path(std::move(path)) {}
    IntervalSpan values() override {
        auto value = m_reader ? m_reader->next() : std::nullopt;
        if (!value || *value < 0) {
            m_reader = m_files.openNumbers(m_path);
            value = m_reader ? m_reader->next() : std::nullopt;
            if (!value)
                throw std::runtime_error("no interval in " + m_path);
        }
        m_value = static_cast<float>(*value);
        return {nullptr, &m_value, 1};
    }
    void consume(std::size_t) override {}

private:
    platform::FileSystem& m_files;
    std::string m_path;
    std::unique_ptr<platform::NumberReader> m_reader;
    float m_value = 0;
};

// Walks both streams count by count: the counts and every variable the
// walk leaves behind must agree.
inline void expectSameCounts(IntervalSource& held, IntervalSource& reference, float TEMPS_S, const char* origin,
                             int counts) {
    float heldA = 0, heldB = 0, refA = 0, refB = 0;
    std::string heldCode = origin, refCode = origin;
    for (int i = 0; i < counts; ++i) {
        const int expected = simulatedCount(reference, TEMPS_S, {refA, refB, refCode});
        const int got = simulatedCount(held, TEMPS_S, {heldA, heldB, heldCode});
        if (got != expected || heldA != refA || heldB != refB || heldCode != refCode) {
            ADD_FAILURE() << "count " << i + 1 << ": " << got << " against " << expected << ", A_S " << heldA
                          << " against " << refA << ", B_S " << heldB << " against " << refB;
            return;
        }
    }
}

}  // namespace kolven::test
