#pragma once

#include "chords/notation.h"
#include "chords/note.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A chord symbol: ROOT[SUFFIX][/BASS], e.g. C, F#m7, Bb, H7, D/F#, Am7(b5).
struct TChord {
    TNote Root;
    std::string Suffix; // kept verbatim
    std::optional<TNote> Bass;
};

// The chord the token spells, or nullopt when the token is anything else
// (N.C., x2, |, riff, a lyric word). The suffix is a quality (m, mi, min,
// maj, M, dim, aug, °, +), then an extension (2, 4, 5, 6, 6/9, 7, 9, 11, 13),
// then modifiers (sus, sus2, sus4, addN, bN, #N, majN, +), then groups of
// extensions and modifiers in parentheses separated by commas, each of them
// optional: m7b5, Am7(b5), C7(9), E7+, Dmaj7, Cadd9, C7(b9,#11).
// Text is code page 1250, so the diminished sign is byte 0xB0; the
// half-diminished sign does not exist there and is written m7b5.
std::optional<TChord> ParseChord(std::string_view token, TNotation notation);

// A word of a chord line that holds chords: one, or several joined by dashes
// (Am-G), with brackets or bar lines against them: (Am), [C], |Am, Am|, |:G,
// G:|. What stands around the chords is kept as it is.
struct TChordWordParts {
    std::string_view Before; // e.g. "(" or "|:"
    std::string_view Chords; // e.g. "Am" or "Am-G"
    std::string_view After;  // e.g. ")" or "|"
};

// The parts of a word that holds chords, or nullopt for any other word.
std::optional<TChordWordParts> SplitChordWord(std::string_view word);

// The chords of TChordWordParts::Chords, in order.
std::vector<TChord> ChainedChords(std::string_view chords, TNotation notation);
