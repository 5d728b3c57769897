#pragma once

#include <QString>
#include <cstddef>
#include <string_view>
#include <vector>

// Names (the model's code page 1250 text) in the order the user's language
// sorts them, Hungarian where no language is set, letter case counted; equal
// names keep the order given.
struct TNameOrder {
    // Indexes into the names, first to last.
    std::vector<std::size_t> Order;
    // Each name as Qt text, by its index: made on the way, and shown by callers.
    std::vector<QString> Texts;
};
TNameOrder SortNames(const std::vector<std::string_view>& names);
