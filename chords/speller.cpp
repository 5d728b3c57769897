#include "chords/speller.h"

#include "chords/note.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

// A note as a letter of C D E F G A B (0 to 6) and an accidental (-1, 0, 1).
struct TSpelling {
    int Letter;
    int Accidental;
};

constexpr std::array<int, 7> LetterPitchClasses = {0, 2, 4, 5, 7, 9, 11};
constexpr int BLetter = 6;
constexpr int BFlat = 10;

// Tonics by pitch class, with the fewest accidentals in the key's signature.
constexpr std::array<TSpelling, 12> MajorTonics = {
    {{0, 0}, {1, -1}, {1, 0}, {2, -1}, {2, 0}, {3, 0}, {3, 1}, {4, 0}, {5, -1}, {5, 0}, {6, -1}, {6, 0}}};
constexpr std::array<TSpelling, 12> MinorTonics = {
    {{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 0}, {3, 0}, {3, 1}, {4, 0}, {4, 1}, {5, 0}, {6, -1}, {6, 0}}};

TSpelling TonicSpelling(TKey key) {
    return (key.Minor ? MinorTonics : MajorTonics)[key.Tonic];
}

// The letter of a white key, or -1.
int NaturalLetter(int pitchClass) {
    for (int letter = 0; letter < 7; ++letter)
        if (LetterPitchClasses[letter] == pitchClass)
            return letter;
    return -1;
}

int PitchClassOfSpelling(TSpelling spelling) {
    return PitchClassOf(LetterPitchClasses[spelling.Letter] + spelling.Accidental);
}

// E#, B#, Fb and Cb: a sharp or flat of a white key.
bool IsOddSpelling(TSpelling spelling) {
    return spelling.Accidental != 0 && NaturalLetter(PitchClassOfSpelling(spelling)) >= 0;
}

// A minor key's raised seventh takes the seventh letter, as its natural one does.
std::optional<TSpelling> ScaleSpelling(TKey key, int pitchClass) {
    const TSpelling tonic = TonicSpelling(key);
    const std::span<const int> steps = ScaleSteps(key);
    for (std::size_t degree = 0; degree < steps.size(); ++degree)
        if (PitchClassOf(key.Tonic + steps[degree]) == pitchClass) {
            const int letter = (tonic.Letter + std::min(static_cast<int>(degree), 6)) % 7;
            return TSpelling{letter, PitchClassOf(pitchClass - LetterPitchClasses[letter] + 6) - 6};
        }
    return std::nullopt;
}

std::string Written(TSpelling spelling, TNotation notation) {
    if (notation == TNotation::Hungarian && spelling.Letter == BLetter)
        return spelling.Accidental == 0 ? "H" : "B";
    std::string name(1, "CDEFGAB"[spelling.Letter]);
    if (spelling.Accidental != 0)
        name += spelling.Accidental > 0 ? '#' : 'b';
    return name;
}

} // namespace

TSpeller::TSpeller(TKey key, TNotation notation, bool upward) : m_key(key), m_notation(notation), m_upward(upward) {}

std::string TSpeller::Name(int pitchClass) const {
    pitchClass = PitchClassOf(pitchClass);
    const std::optional<TSpelling> inScale = ScaleSpelling(m_key, pitchClass);
    if (inScale && !IsOddSpelling(*inScale))
        return Written(*inScale, m_notation);
    if (const int letter = NaturalLetter(pitchClass); letter >= 0)
        return Written({letter, 0}, m_notation);
    const bool sharp = m_upward && !(m_notation == TNotation::Hungarian && pitchClass == BFlat);
    const int letter = NaturalLetter(PitchClassOf(pitchClass + (sharp ? -1 : 1)));
    return Written({letter, sharp ? 1 : -1}, m_notation);
}

std::string TSpeller::KeyName() const {
    return Written(TonicSpelling(m_key), m_notation) + (m_key.Minor ? "m" : "");
}
