#pragma once

#include "platform/filebytes.h"

#include <cstddef>
#include <functional>

// What reading a file whole does the same way on every system; the system's
// part opens the file and reads pieces of it.

[[noreturn]] void ThrowNotARegularFile();
[[noreturn]] void ThrowTooLarge(std::size_t largest);

// Reads the size the file reported, then whatever it holds beyond that (a
// size is only a hint: the file may have grown, and some files report 0).
// readSome fills up to its count of bytes and returns how many it read, 0 at
// the end. Running out of memory is a read error in words.
TFileBytes ReadWholeFile(std::size_t expected, std::size_t largest,
                         const std::function<std::size_t(char*, std::size_t)>& readSome, TByteArena* arena);
