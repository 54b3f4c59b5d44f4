#pragma once

#include <algorithm>
#include <string>

#include "platform/number_stream.h"

namespace kolven::testing {

// Bytes given in pieces of a fixed size, as a pipe or a slow disk gives
// them: a reader must find the same numbers wherever the pieces are cut.
class Pieces final : public platform::ByteSource {
public:
    Pieces(std::string bytes, std::size_t size) : m_bytes(std::move(bytes)), m_size(size) {}
    std::size_t read(char* into, std::size_t most) override {
        const std::size_t n = std::min({most, m_size, m_bytes.size() - m_pos});
        std::copy_n(m_bytes.data() + m_pos, n, into);
        m_pos += n;
        return n;
    }

private:
    std::string m_bytes;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

}  // namespace kolven::testing
