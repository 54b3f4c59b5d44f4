#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/posix_files.h"

namespace kolven::testing {

// Real files, counting how often the program opens one for its numbers and
// how many numbers it reads.
class CountingFiles final : public platform::PosixFileSystem {
public:
    using PosixFileSystem::PosixFileSystem;
    std::unique_ptr<platform::NumberReader> openNumbers(const std::string& path) override {
        ++opened;
        auto reader = PosixFileSystem::openNumbers(path);
        return reader ? std::make_unique<Counted>(std::move(reader), reads) : nullptr;
    }
    int opened = 0, reads = 0;

private:
    class Counted final : public platform::NumberReader {
    public:
        Counted(std::unique_ptr<platform::NumberReader> reader, int& reads)
            : m_reader(std::move(reader)), m_reads(reads) {}
        std::optional<double> next() override {
            ++m_reads;
            return m_reader->next();
        }

    private:
        std::unique_ptr<platform::NumberReader> m_reader;
        int& m_reads;
    };
};

}  // namespace kolven::testing
