#include "chords/key.h"

#include "chords/chordlines.h"
#include "chords/note.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr std::array<int, 7> MajorSteps = {0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 8> MinorSteps = {0, 2, 3, 5, 7, 8, 10, 11};
constexpr int KeyCount = 24;

bool IsMinorSuffix(std::string_view suffix) {
    return suffix.starts_with('m') && !suffix.starts_with("maj");
}

bool Has(std::string_view suffix, std::string_view part) {
    return suffix.find(part) != std::string_view::npos;
}

// The chord's tones as a set of pitch classes (bit n for pitch class n): the
// root, the third and fifth its suffix implies, and the bass. A diminished or
// augmented chord gives its root and bass alone: it divides the octave evenly,
// so that read as they sound its other tones would speak for keys it is not in
// (Cdim's E flat and G flat as E minor's D# and F#).
unsigned ChordTones(const TChord& chord) {
    const std::string_view suffix = chord.Suffix;
    unsigned tones = 1u << chord.Root.PitchClass;
    if (chord.Bass)
        tones |= 1u << chord.Bass->PitchClass;
    if (suffix.starts_with("dim") || suffix.starts_with('\xB0') || Has(suffix, "b5") || Has(suffix, "aug") ||
        Has(suffix, "#5") || Has(suffix, "+"))
        return tones;
    tones |= 1u << PitchClassOf(chord.Root.PitchClass + 7);
    if (!Has(suffix, "sus") && suffix != "5")
        tones |= 1u << PitchClassOf(chord.Root.PitchClass + (IsMinorSuffix(suffix) ? 3 : 4));
    return tones;
}

bool KeyHolds(TKey key, int pitchClass) {
    return std::ranges::find(ScaleSteps(key), PitchClassOf(pitchClass - key.Tonic)) != ScaleSteps(key).end();
}

TKey KeyAt(int index) {
    return {index / 2, index % 2 == 1};
}

// Which keys hold the most tones, by index (see KeyAt).
std::array<bool, KeyCount> BestFitting(const std::vector<TChord>& chords) {
    std::array<int, KeyCount> scores{};
    for (const TChord& chord : chords) {
        const unsigned tones = ChordTones(chord);
        for (int index = 0; index < KeyCount; ++index)
            for (int pitchClass = 0; pitchClass < 12; ++pitchClass)
                scores[index] += (tones >> pitchClass & 1u) && KeyHolds(KeyAt(index), pitchClass);
    }
    const int best = *std::ranges::max_element(scores);
    std::array<bool, KeyCount> fitting{};
    for (int index = 0; index < KeyCount; ++index)
        fitting[index] = scores[index] == best;
    return fitting;
}

TKey ChooseKey(const std::vector<TChord>& chords) {
    const std::array<bool, KeyCount> fitting = BestFitting(chords);
    for (const TKey key : {KeyOf(chords.back()), KeyOf(chords.front())})
        if (fitting[key.Tonic * 2 + int{key.Minor}])
            return key;
    return KeyAt(static_cast<int>(std::ranges::find(fitting, true) - fitting.begin()));
}

} // namespace

TKey KeyOf(const TChord& chord) {
    return {chord.Root.PitchClass, IsMinorSuffix(chord.Suffix)};
}

std::span<const int> ScaleSteps(TKey key) {
    if (key.Minor)
        return MinorSteps;
    return MajorSteps;
}

std::optional<TSongKey> EstimateKey(const TSong& song, TNotation notation) {
    const std::vector<TChord> chords = SongChords(song, notation);
    if (chords.empty())
        return std::nullopt;
    TSongKey found{ChooseKey(chords), {}};
    const auto tonic =
        std::ranges::find(chords, found.Key.Tonic, [](const TChord& chord) { return chord.Root.PitchClass; });
    if (tonic != chords.end())
        found.TonicName = tonic->Root.Name;
    return found;
}
