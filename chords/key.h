#pragma once

#include "chords/chord.h"
#include "chords/notation.h"

#include <optional>
#include <span>
#include <string>

class TSong;

// A major or minor key by its tonic.
struct TKey {
    int Tonic; // pitch class
    bool Minor;
    bool operator==(const TKey&) const = default;
};

// The key a chord stands for as a song's tonic chord: minor when its suffix
// starts with m (m, mi, min, m7 ...) but not maj.
TKey KeyOf(const TChord& chord);

// The key the song's chords show, and how the song writes its tonic.
struct TSongKey {
    TKey Key;
    std::string TonicName; // as the song writes it where a chord has the tonic as its root; else empty
};

// The song's key, estimated from all its chords, as the first chord alone
// misleads (a minor song often opens on its dominant, E7 before Am): the
// major or minor key whose scale holds the most tones of the song's chords,
// counting each chord's root, third, fifth and bass once (of a diminished or
// augmented chord, whose tones speak for several keys, the root and bass). A minor scale has
// its raised seventh as well, the leading tone of its dominant chord. A tie
// goes to the key of the last chord, where songs come home, then of the
// first, then to the lowest tonic, major first. Nullopt for a song without chords.
std::optional<TSongKey> EstimateKey(const TSong& song, TNotation notation);

// The steps of the key's scale above its tonic, by degree. A minor scale has
// its raised seventh as an eighth, after the natural one: G minor has F and F#.
std::span<const int> ScaleSteps(TKey key);
