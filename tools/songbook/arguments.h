#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TSongbookArguments {
    std::string Command; // empty when only --help was given
    bool Help = false;
    std::optional<std::string> DataDirectory;
    std::vector<std::string> Files;
};

// Throws TUsageError for an unknown command or option, or a missing value.
TSongbookArguments ParseSongbookArguments(const std::vector<std::string>& arguments);
