#pragma once

#include "chords/notation.h"
#include "chords/note.h"

#include <optional>
#include <string>
#include <string_view>

// A chord symbol: ROOT[SUFFIX][/BASS], e.g. C, F#m7, Bb, H7, D/F#, Am7(b5).
struct TChord {
    TNote Root;
    std::string Suffix; // kept verbatim, never interpreted beyond recognising it
    std::optional<TNote> Bass;
};

// The chord the token spells, or nullopt when the token is anything else
// (N.C., x2, |, riff, a lyric word). The suffix is a quality (m, mi, min,
// maj, M, dim, aug, °, +), then an extension (2, 4, 5, 6, 7, 9, 11, 13),
// then modifiers (sus, sus2, sus4, addN, bN, #N, majN, +), then groups of
// extensions and modifiers in parentheses separated by commas, each of them
// optional: m7b5, Am7(b5), C7(9), E7+, Dmaj7, Cadd9, C7(b9,#11).
// Text is code page 1250, so the diminished sign is byte 0xB0; the
// half-diminished sign does not exist there and is written m7b5.
std::optional<TChord> ParseChord(std::string_view token, TNotation notation);
