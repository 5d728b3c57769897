#include "platform/bytearena.h"

namespace {

constexpr std::size_t ChunkSize = std::size_t{32} << 20;
// Larger requests get a chunk of their own, so that little of a chunk is left unused.
constexpr std::size_t LargestShared = ChunkSize / 8;
constexpr std::size_t Alignment = 16;

} // namespace

std::shared_ptr<char[]> TByteArena::Allocate(std::size_t size) {
    if (size > LargestShared)
        return AllocateChunk(size);
    if (!m_chunk || m_size - m_used < size) {
        m_chunk = AllocateChunk(ChunkSize);
        m_size = ChunkSize;
        m_used = 0;
    }
    std::shared_ptr<char[]> share(m_chunk, m_chunk.get() + m_used);
    m_used += (size + Alignment - 1) / Alignment * Alignment;
    return share;
}
