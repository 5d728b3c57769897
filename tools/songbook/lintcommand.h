#pragma once

#include <ostream>
#include <string>
#include <vector>

struct TLintResult {
    std::size_t IgnoredLines = 0;
    std::size_t UnreadableFiles = 0;
};

// Prints "file:line: reason" for every line the parser passes over, and
// "file: message" for every file that cannot be read.
TLintResult LintSongFiles(const std::vector<std::string>& paths, std::ostream& out, std::ostream& err);
