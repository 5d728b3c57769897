#include "chords/notation.h"

#include "chords/chord.h"
#include "chords/chordlines.h"

namespace {

bool IsHungarianNote(const TNote& note) {
    return note.Name[0] == 'H';
}

bool IsEnglishNote(const TNote& note) {
    return note.Name == "Bb" || note.Name == "A#";
}

bool HasNote(const TChord& chord, bool (*test)(const TNote&)) {
    return test(chord.Root) || (chord.Bass && test(*chord.Bass));
}

} // namespace

TNotation DetectNotation(const TSong& song, TNotation fallback) {
    bool english = false;
    // The note names that decide are read alike in both notations.
    for (const TChord& chord : SongChords(song, TNotation::English)) {
        if (HasNote(chord, IsHungarianNote))
            return TNotation::Hungarian;
        english = english || HasNote(chord, IsEnglishNote);
    }
    return english ? TNotation::English : fallback;
}
