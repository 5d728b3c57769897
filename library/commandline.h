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
// Inline: every line of every file passes through it, at load and at each
// walk over a paragraph's lines.
inline TCommandLine SplitCommandLine(std::string_view line, std::size_t lineNumber = 0) {
    if (line.empty() || line.front() != '.')
        return {line, {}, line, lineNumber};
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos)
        return {line, line.substr(1), {}, lineNumber};
    return {line, line.substr(1, space - 1), line.substr(space + 1), lineNumber};
}
