#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class QCollator;

// The first level of a collator's order (letters, digits and signs, not
// accents or case) for code page 1250 text, learnt from the collator itself:
// a weight for each character, and for each pair or triple of ASCII letters
// it reads as one letter (Hungarian cs, dzs; ssz read as sz sz). Keys
// compared as bytes order texts as that level nearly always does; expansions
// and contractions beyond these may differ, so a caller that needs the
// collator's order exactly checks the result with the collator.
class TLetterWeights {
public:
    explicit TLetterWeights(const QCollator& collator);

    // A byte per weight (two, most significant first, for a language of more
    // than 255 letters and signs); characters the collator ignores add none.
    void AppendKey(std::string_view text, std::string& key) const;

private:
    // A contraction of three letters, or a doubled one that reads as two.
    struct TLongLetter {
        std::string Text;
        std::vector<std::uint16_t> Weights;
    };

    std::vector<std::string> Contractions(const QCollator& collator, const std::vector<std::string>& starts) const;
    void Weigh(const QCollator& collator, const std::vector<std::string>& units);
    void LearnDoubled(const QCollator& collator, const std::vector<std::string>& contractions);
    std::uint16_t WeightOf(std::string_view contraction) const;
    const TLongLetter* LongLetterAt(std::string_view text) const;

    // The weights of characters (0 for one the collator ignores) and of pairs
    // (by first byte x 256 + second; 0 for two letters), the top bit set
    // where a longer letter may start.
    std::array<std::uint16_t, 256> m_single{};
    std::vector<std::uint16_t> m_pair;
    std::vector<TLongLetter> m_long; // by their first two bytes, the longest first
    char m_ignored = 0;              // keeps two letters apart; 0 where the collator ignores none
    std::size_t m_width = 1;         // bytes per weight
};
