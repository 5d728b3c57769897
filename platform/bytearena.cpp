#include "platform/bytearena.h"

#include <algorithm>

namespace {

// Chunks start at one huge page, so that a small library stays small, and
// double up to the largest.
constexpr std::size_t FirstChunk = std::size_t{2} << 20;
constexpr std::size_t LargestChunk = std::size_t{32} << 20;
// Larger requests get a chunk of their own, so that little of a chunk is left unused.
constexpr std::size_t LargestShared = LargestChunk / 8;
constexpr std::size_t Alignment = 16;

} // namespace

std::shared_ptr<char[]> TByteArena::Allocate(std::size_t size) {
    if (size > LargestShared)
        return AllocateChunk(size);
    const std::size_t taken = (size + Alignment - 1) / Alignment * Alignment;
    if (!m_chunk || m_size - m_used < taken) {
        const std::size_t chunkSize = std::max(m_chunk ? std::min(m_size * 2, LargestChunk) : FirstChunk, taken);
        m_chunk = AllocateChunk(chunkSize);
        m_size = chunkSize;
        m_used = 0;
    }
    std::shared_ptr<char[]> share(m_chunk, m_chunk.get() + m_used);
    m_used += taken;
    return share;
}
