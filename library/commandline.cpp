#include "library/commandline.h"

TCommandLine SplitCommandLine(std::string_view line, std::size_t lineNumber) {
    if (line.empty() || line.front() != '.')
        return {line, {}, line, lineNumber};
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos)
        return {line, line.substr(1), {}, lineNumber};
    return {line, line.substr(1, space - 1), line.substr(space + 1), lineNumber};
}
