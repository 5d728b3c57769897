#include "qtbridge/letterweights.h"

#include "qtbridge/qttext.h"

#include <QCollator>
#include <algorithm>
#include <numeric>

namespace {

constexpr std::string_view AsciiLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// Texts the first level does not tell apart: then what follows them decides.
bool SameLetters(const QCollator& collator, std::string_view a, std::string_view b) {
    const QString first = FromAnsi(a);
    const QString second = FromAnsi(b);
    return collator.compare(first + u'b', second + u'a') > 0 && collator.compare(second + u'b', first + u'a') > 0;
}

// In the tables of characters and of pairs, beside the weight: a longer
// letter may start here.
constexpr std::uint16_t StartsLonger = 0x8000;
constexpr std::uint16_t WeightBits = 0x7FFF;

std::size_t PairIndex(char first, char second) {
    return static_cast<unsigned char>(first) * 256u + static_cast<unsigned char>(second);
}

// Long letters are kept by their first two bytes, the longest first.
template <class TLetter> std::size_t PairStart(const TLetter& letter) {
    return PairIndex(letter.Text[0], letter.Text[1]);
}

} // namespace

TLetterWeights::TLetterWeights(const QCollator& collator) : m_pair(256 * 256) {
    std::vector<std::string> units;
    for (int code = 1; code < 256; ++code) {
        const std::string unit(1, static_cast<char>(code));
        if (!SameLetters(collator, unit + 'b', "b"))
            units.push_back(unit);
        else if (!m_ignored)
            m_ignored = unit.front();
    }
    std::vector<std::string> contractions;
    if (m_ignored) {
        std::vector<std::string> letters;
        for (const char letter : AsciiLetters)
            letters.emplace_back(1, letter);
        contractions = Contractions(collator, letters);
        const std::vector<std::string> triples = Contractions(collator, contractions);
        contractions.insert(contractions.end(), triples.begin(), triples.end());
    }
    units.insert(units.end(), contractions.begin(), contractions.end());
    Weigh(collator, units);
    LearnDoubled(collator, contractions);
    std::sort(m_long.begin(), m_long.end(), [](const TLongLetter& a, const TLongLetter& b) {
        return std::pair(PairStart(a), b.Text.size()) < std::pair(PairStart(b), a.Text.size());
    });
    for (const TLongLetter& letter : m_long)
        m_pair[PairIndex(letter.Text[0], letter.Text[1])] |= StartsLonger;
    for (std::size_t pair = 0; pair < m_pair.size(); ++pair) {
        if (m_pair[pair])
            m_single[pair / 256] |= StartsLonger;
    }
}

// The letters that, after a start, make one letter with it: a character
// the collator ignores between them keeps them apart.
std::vector<std::string> TLetterWeights::Contractions(const QCollator& collator,
                                                      const std::vector<std::string>& starts) const {
    std::vector<std::string> found;
    for (const std::string& start : starts) {
        for (const char next : AsciiLetters) {
            if (!SameLetters(collator, start + next, start + m_ignored + next))
                found.push_back(start + next);
        }
    }
    return found;
}

// In the collator's order, each unit the first level tells from the one
// before it weighs one more.
void TLetterWeights::Weigh(const QCollator& collator, const std::vector<std::string>& units) {
    std::vector<QString> texts;
    texts.reserve(units.size());
    for (const std::string& unit : units)
        texts.push_back(FromAnsi(unit));
    std::vector<std::size_t> order(units.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return collator.compare(texts[a], texts[b]) < 0; });
    std::uint16_t weight = 0;
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        const std::string& unit = units[order[rank]];
        if (rank == 0 || !SameLetters(collator, units[order[rank - 1]], unit))
            weight = std::min<std::uint16_t>(weight + 1, WeightBits); // beyond, keys misjudge: only slower
        if (unit.size() == 1)
            m_single[static_cast<unsigned char>(unit[0])] = weight;
        else if (unit.size() == 2)
            m_pair[PairIndex(unit[0], unit[1])] = weight;
        else
            m_long.push_back({unit, {weight}});
    }
    m_width = weight > 0xFF ? 2 : 1;
}

// A contraction written with its first letter doubled (Hungarian ssz, ddzs)
// that reads as the contraction twice.
void TLetterWeights::LearnDoubled(const QCollator& collator, const std::vector<std::string>& contractions) {
    for (const std::string& contraction : contractions) {
        if (const std::string doubled = contraction.front() + contraction;
            SameLetters(collator, doubled, contraction + m_ignored + contraction)) {
            const std::uint16_t weight = WeightOf(contraction);
            m_long.push_back({doubled, {weight, weight}});
        }
    }
}

std::uint16_t TLetterWeights::WeightOf(std::string_view contraction) const {
    if (contraction.size() == 2)
        return m_pair[PairIndex(contraction[0], contraction[1])] & WeightBits;
    return std::find_if(m_long.begin(), m_long.end(),
                        [&](const TLongLetter& letter) { return letter.Text == contraction; })
        ->Weights.front();
}

// Every weight is written as one byte where all fit in one.
void TLetterWeights::AppendKey(std::string_view text, std::string& key) const {
    const std::size_t start = key.size();
    key.resize(start + m_width * text.size()); // no letter has more weights than bytes
    char* out = key.data() + start;
    const auto write = [this, &out](std::uint16_t weight) {
        if (m_width == 2)
            *out++ = static_cast<char>(weight >> 8);
        *out++ = static_cast<char>(weight & 0xFF);
    };
    for (std::size_t at = 0; at < text.size();) {
        const std::uint16_t single = m_single[static_cast<unsigned char>(text[at])];
        const std::uint16_t pair =
            single & StartsLonger && at + 1 < text.size() ? m_pair[PairIndex(text[at], text[at + 1])] : 0;
        if (const TLongLetter* letter = pair & StartsLonger ? LongLetterAt(text.substr(at)) : nullptr) {
            std::for_each(letter->Weights.begin(), letter->Weights.end(), write);
            at += letter->Text.size();
        } else if (pair & WeightBits) {
            write(pair & WeightBits);
            at += 2;
        } else {
            if (single & WeightBits)
                write(single & WeightBits);
            ++at;
        }
    }
    key.resize(static_cast<std::size_t>(out - key.data()));
}

const TLetterWeights::TLongLetter* TLetterWeights::LongLetterAt(std::string_view text) const {
    const std::size_t start = PairIndex(text[0], text[1]);
    for (auto letter = std::partition_point(m_long.begin(), m_long.end(),
                                            [start](const TLongLetter& letter) { return PairStart(letter) < start; });
         letter != m_long.end() && PairStart(*letter) == start; ++letter) {
        if (text.starts_with(letter->Text))
            return &*letter;
    }
    return nullptr;
}
