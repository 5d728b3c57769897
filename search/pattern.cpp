#include "search/pattern.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {

// Candidates are found 16 positions at a time by testing a pattern's first
// and last characters at once; only they are compared in full.
constexpr std::size_t BlockSize = 16;
using TBlock = unsigned char __attribute__((vector_size(BlockSize)));

static_assert(std::endian::native == std::endian::little, "a block's first byte must be the low end of its words");

TBlock Load(const unsigned char* text) {
    TBlock block;
    std::memcpy(&block, text, sizeof block);
    return block;
}

TBlock Splat(unsigned char value) {
    return TBlock{} + value;
}

// One bit, the lowest of its byte, for every position of the block whose byte is not zero.
template <class TVector> void CandidateBits(const TVector& hits, std::uint64_t (&halves)[2]) {
    std::memcpy(halves, &hits, sizeof halves);
    for (std::uint64_t& half : halves)
        half &= 0x0101010101010101;
}

} // namespace

TPattern::TPattern(std::string_view ansi) {
    m_matches.reserve(ansi.size());
    for (char c : ansi)
        m_matches.push_back(QueryCodeMatch(c));
}

bool TPattern::MatchesAt(const unsigned char* text) const {
    return std::equal(m_matches.begin(), m_matches.end(), text,
                      [](const TCodeMatch& match, unsigned char code) { return (code & match.Mask) == match.Value; });
}

const unsigned char* TPattern::Find(const unsigned char* begin, const unsigned char* end) const {
    const std::size_t size = m_matches.size();
    if (size == 0 || static_cast<std::size_t>(end - begin) < size)
        return end;
    const unsigned char* const last = end - size;
    const TBlock firstMask = Splat(m_matches.front().Mask), firstValue = Splat(m_matches.front().Value);
    const TBlock lastMask = Splat(m_matches.back().Mask), lastValue = Splat(m_matches.back().Value);
    for (const unsigned char* block = begin; block <= last; block += BlockSize) {
        std::uint64_t halves[2];
        CandidateBits(((Load(block) & firstMask) == firstValue) & ((Load(block + size - 1) & lastMask) == lastValue),
                      halves);
        for (std::size_t half = 0; half < 2; ++half) {
            for (std::uint64_t bits = halves[half]; bits; bits &= bits - 1) {
                const unsigned char* const start = block + half * 8 + std::countr_zero(bits) / 8;
                if (start > last)
                    return end;
                if (MatchesAt(start))
                    return start;
            }
        }
    }
    return end;
}
