#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

// What the targets share: splitting one input into parts, and a check that
// fails loudly (libFuzzer reports an abort with its input).

inline void Require(bool condition) {
    if (!condition)
        std::abort();
}

// The input cut at every separator byte into at most count parts; the last part takes the rest.
inline std::vector<std::string> SplitInput(const std::uint8_t* data, std::size_t size, char separator,
                                           std::size_t count) {
    std::vector<std::string> parts(1);
    for (std::string_view rest(reinterpret_cast<const char*>(data), size); !rest.empty(); rest.remove_prefix(1)) {
        if (rest.front() == separator && parts.size() < count)
            parts.emplace_back();
        else
            parts.back() += rest.front();
    }
    return parts;
}

// A file of this process's own under /dev/shm, for code that reads paths.
inline std::string ScratchPath(const char* name) {
    return "/dev/shm/vivira-fuzz-" + std::to_string(::getpid()) + "-" + name;
}
