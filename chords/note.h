#pragma once

#include "chords/notation.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A note as a chord names it: the letter A to H (upper case only), then at
// most one '#' or 'b'.
struct TNote {
    int PitchClass;   // 0 = C ... 11 = B natural
    std::string Name; // as written
};

// A number of semitones above C, of any sign, as a pitch class 0..11.
int PitchClassOf(int semitones);

// Reads a note from the start of text and removes it from text; nullopt (text
// unchanged) when text does not start with one. A bare B is B flat in
// Hungarian notation and B natural in English; with an accidental the letter
// B is read the English way in both (Bb is B flat, B# is C), since that is
// what such a spelling can only mean.
std::optional<TNote> TakeNote(std::string_view& text, TNotation notation);

// How long the note at the start of text is, as TakeNote reads it; 0 for none.
std::size_t NoteLength(std::string_view text);
