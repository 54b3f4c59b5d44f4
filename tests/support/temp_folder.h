#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace kolven::test {

// A fresh folder under the system's temporary folder, removed with all it
// holds when the object goes out of scope.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kolven_test_XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed for " + pattern);
        m_path = pattern;
    }
    ~TempFolder() { std::filesystem::remove_all(m_path, m_ignored); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(std::string_view name) const { return m_path + '/' + std::string(name); }

    // Writes contents, byte for byte, to the named file; returns its path.
    std::string write(std::string_view name, std::string_view contents) const {
        const std::string target = file(name);
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        if (!out.write(contents.data(), static_cast<std::streamsize>(contents.size())))
            throw std::runtime_error("cannot write " + target);
        return target;
    }

private:
    std::string m_path;
    std::error_code m_ignored;
};

// A file's bytes; empty when it cannot be read.
inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace kolven::test
