#pragma once

#include "chords/transposition.h"
#include "library/artist.h"
#include "settings/settings.h"

// Each song's shift (transposition and capo) as the user last left it. At
// most SongShiftSlots songs are remembered: a song has one slot, chosen by a
// hash of its file's name and its title, and a newer song that hashes to the
// same slot takes it over. The values are "Song0" ... "Song255" under
// "Transpose", each "SEMITONES CAPO FILE|TITLE".
constexpr const char* TransposeSection = "Transpose";
constexpr unsigned SongShiftSlots = 256;

// "Song0" ... "Song255".
std::string SongShiftName(unsigned slot);
// What the slot remembers, as it is written; empty when it holds nothing that parses.
std::string RememberedSongShift(TSettings& settings, unsigned slot);

// No shift for a song not remembered, or a value that does not parse.
TSongShift ReadSongShift(TSettings& settings, const TSong& song);
// A song without a shift is only forgotten: it never takes another song's slot.
void WriteSongShift(TSettings& settings, const TSong& song, TSongShift shift);
