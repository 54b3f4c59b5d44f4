#pragma once

#include <filesystem>
#include <string>

namespace kolven::bench {

// The benchmarks read the interval file made beside them in build/bin.
inline std::string programFolder()
{
    return std::filesystem::canonical("/proc/self/exe").parent_path().string();
}

}  // namespace kolven::bench
