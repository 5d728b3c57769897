#pragma once

#include "search/query.h"

#include <cstddef>
#include <string_view>
#include <vector>

struct TTextRange {
    std::size_t Start;
    std::size_t Length;

    bool operator==(const TTextRange&) const = default;
};

// Every occurrence of the query's whole phrase in a song window's text (code
// page 1250), folded as the search folds, so "o te" finds "Ő, te": the ranges
// are byte positions of the original text, in order and not overlapping.
std::vector<TTextRange> FindInText(std::string_view ansiText, const TQuery& query);
