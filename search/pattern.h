#pragma once

#include "search/folding.h"

#include <cstddef>
#include <string_view>
#include <vector>

// A query word or phrase as the search looks for it in folded text: what
// each of its characters accepts (see QueryCodeMatch).
class TPattern {
public:
    // Find compares whole blocks of text and so reads up to this many bytes
    // past the end it is given; they must be readable, their content is ignored.
    static constexpr std::size_t Overread = 15;

    // ansi: a word or phrase as TQuery keeps it (folded runs of spaces).
    explicit TPattern(std::string_view ansi);

    std::size_t Size() const { return m_matches.size(); }

    // The first occurrence in the folded text [begin, end), or end.
    const unsigned char* Find(const unsigned char* begin, const unsigned char* end) const;

private:
    bool MatchesAt(const unsigned char* text) const;

    std::vector<TCodeMatch> m_matches;
};
