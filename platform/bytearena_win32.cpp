#include "platform/bytearena.h"

// Large pages on Windows need a privilege that users do not have: the
// chunk is ordinary memory.
std::shared_ptr<char[]> TByteArena::AllocateChunk(std::size_t size) {
    return std::make_unique_for_overwrite<char[]>(size);
}
