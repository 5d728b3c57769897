#pragma once

#include "chords/chord.h"
#include "chords/key.h"
#include "chords/notation.h"
#include "chords/speller.h"

#include <optional>
#include <string>
#include <string_view>

class TSong;

// Transposes the chord lines of one song. The viewer keeps the song as read
// and a total shift, and always transposes the original lines: shifting up
// and back down is then shift 0, which gives the original bytes.
//
// A capo on fret N shows the shapes to play, which is the song shifted down
// by N: capo N with a shift S is TTransposer(song, S - N, fallback).
class TTransposer {
public:
    // semitones: any number; a whole octave changes no note, so it is reduced
    // to -11..11 keeping its sign, which tells whether the song moved up or
    // down. The notation is detected from the song, with fallback when the
    // song does not tell. The key is estimated from all its chords (see
    // EstimateKey; C major when it has no chord).
    TTransposer(const TSong& song, int semitones, TNotation fallback);

    // The chord line with every chord transposed and every other token kept
    // as it is, each at its column as far as the new names allow. A shift of
    // whole octaves returns the line unchanged.
    std::string TransposeLine(std::string_view chordLine) const;

    int Semitones() const { return m_semitones; }
    TNotation Notation() const { return m_notation; }
    // The song's key after the shift, e.g. "Am", "H", "F#m"; spelled as the
    // song wrote it when unshifted; empty for a song without chords.
    std::string KeyName() const;

private:
    std::string TransposeWord(std::string_view word) const;
    std::string TransposeChord(const TChord& chord) const;

    TNotation m_notation;
    int m_semitones;
    std::optional<TSongKey> m_key;
    TSpeller m_speller;
};
