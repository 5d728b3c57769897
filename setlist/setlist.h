#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A set list: the songs of an evening in the order they are played, each
// named by its line in the set list's file, "ARTIST - TITLE" (UTF-8). A line
// that names no song of the library is kept all the same: the song may come
// back, or live in another user's library.
struct TSetList {
    std::string Name; // UTF-8; the file's name, without ".txt"
    std::vector<std::string> Entries;

    // The entry at from comes to stand at to (both indexes of the list), the
    // others keeping their order.
    void Move(std::size_t from, std::size_t to);
};
