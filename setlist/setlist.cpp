#include "setlist/setlist.h"

#include <algorithm>

void TSetList::Move(std::size_t from, std::size_t to) {
    const auto first = Entries.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else if (to < from)
        std::rotate(first + to, first + from, first + from + 1);
}
