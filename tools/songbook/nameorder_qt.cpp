#include "qtbridge/nameorder.h"
#include "tools/songbook/nameorder.h"

std::vector<std::size_t> TreeOrder(const std::vector<std::string_view>& names) {
    return SortNames(names).Order;
}
