#pragma once

#include "chords/chord.h"
#include "chords/notation.h"

#include <optional>

class TSong;

// A major or minor key by its tonic.
struct TKey {
    int Tonic; // pitch class
    bool Minor;
};

// The song's first chord, reading its chord lines in order; songs hardly ever
// start away from the tonic, and nothing more reliable is written down.
std::optional<TChord> FirstChord(const TSong& song, TNotation notation);

// The key a chord stands for as the first chord of a song: minor when its
// suffix starts with m (m, mi, min, m7 ...) but not maj.
TKey KeyOf(const TChord& chord);
