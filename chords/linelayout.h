#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A word of a chord line and the column it starts at.
struct TToken {
    std::size_t Column;
    std::string_view Text;
};

// Calls visit(token) for each word of the line, split at spaces and tabs. A
// loop of its own: the search asks this of every line where chords go, and
// find_first_of calls memchr for every character.
template <class TVisit> void VisitTokens(std::string_view line, TVisit&& visit) {
    const auto separator = [&line](std::size_t at) { return line[at] == ' ' || line[at] == '\t'; };
    for (std::size_t start = 0; start < line.size();) {
        if (separator(start)) {
            ++start;
            continue;
        }
        std::size_t end = start + 1;
        while (end < line.size() && !separator(end))
            ++end;
        visit(TToken{start, line.substr(start, end - start)});
        start = end;
    }
}

// The words of the line, split at spaces and tabs.
std::vector<TToken> SplitTokens(std::string_view line);

// The line rebuilt with each token's text replaced by the matching entry of
// texts, keeping every token at its column: a token moves right only when
// the one before it grew into its place, and then only as far as needed to
// leave one space; a shorter text is padded with spaces.
// A line without trailing spaces ends with its last token, so it gains none.
// A line with trailing spaces keeps its length and at least one of them.
// A line with a tab keeps every separator as it is and lets tokens shift:
// the tab's width is up to the display, so no column can be counted there.
std::string LayOutTokens(std::string_view line, const std::vector<TToken>& tokens,
                         const std::vector<std::string>& texts);
