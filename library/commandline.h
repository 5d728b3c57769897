#pragma once

#include <cstddef>
#include <string_view>

// One line of a song file, split into its command word and its text. The
// views point into the song file's buffer and live as long as it is open.
struct TCommandLine {
    std::string_view Line; // the whole line, without its line end
    std::string_view Command;
    std::string_view Text;
    std::size_t LineNumber = 0; // 1-based; 0 for the empty line read past the end
};

// ".word text" gives (word, text), split at the first space; every other line,
// and a dot line whose word is empty, is a text line with an empty command.
TCommandLine SplitCommandLine(std::string_view line, std::size_t lineNumber = 0);
