#pragma once

#include <cstddef>
#include <memory>

// Memory for many buffers that live about as long as one another, such as
// the texts of a library's files, handed out from large chunks. The first
// touch of fresh memory costs a fault per page; a chunk asks the system for
// huge pages where it grants them, one fault where there were 512, which
// saves about a third of a library's load. For one thread at a time.
class TByteArena {
public:
    TByteArena() = default;
    TByteArena(const TByteArena&) = delete;
    TByteArena& operator=(const TByteArena&) = delete;

    // Room for size bytes, not zeroed; its chunk lives as long as any share of it.
    std::shared_ptr<char[]> Allocate(std::size_t size);

private:
    // Memory from the system, in huge pages where it can. Throws std::bad_alloc.
    static std::shared_ptr<char[]> AllocateChunk(std::size_t size);

    std::shared_ptr<char[]> m_chunk;
    std::size_t m_used = 0;
    std::size_t m_size = 0;
};
