#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// Indexes into the names (code page 1250), first to last, in the order the
// viewer's tree sorts them: as the user's language sorts, letter case
// counted; equal names keep the order given.
std::vector<std::size_t> TreeOrder(const std::vector<std::string_view>& names);
