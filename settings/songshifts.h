#pragma once

#include "chords/transposition.h"
#include "library/artist.h"
#include "settings/settings.h"
#include "settings/songslots.h"

// Each song's shift (transposition and capo) as the user last left it, in
// the song slots "Song0" ... "Song255" under "Transpose", each
// "SEMITONES CAPO FILE|TITLE".
constexpr const char* TransposeSection = "Transpose";
extern const TSongSlots SongShiftSlots;

// No shift for a song not remembered, or a value that does not parse.
TSongShift ReadSongShift(TSettings& settings, const TSong& song);
// A song without a shift is only forgotten: it never takes another song's slot.
void WriteSongShift(TSettings& settings, const TSong& song, TSongShift shift);
