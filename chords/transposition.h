#pragma once

#include "chords/notation.h"
#include "chords/transposer.h"
#include "render/songrenderer.h"

#include <optional>
#include <string>

// How a song is moved for playing: semitones up (down when negative, a whole
// octave being no move) and the capo's fret, whose shapes are then shown.
struct TSongShift {
    int Semitones = 0;
    int Capo = 0;
    bool operator==(const TSongShift&) const = default;
};
constexpr int HighestCapo = 11;

// A song to be played moved by its shift: a set list's, or the performance view's.
struct TShiftedSong {
    const TSong* Song;
    TSongShift Shift;
};

// The shift with its semitones in -11..11 and its capo in 0..HighestCapo.
TSongShift Normalized(TSongShift shift);

// What a window's caption adds: " (+2)", " (-1)", " (capo 3)", " (+2, capo 3)"; empty for no shift.
std::string ShiftCaption(TSongShift shift);

// Renders songs shifted: each song's chord lines transposed in its own
// notation (detected, else the fallback) to the shapes to play, and with a
// capo a "Capo N" line under the header.
class TTransposition : public TSongChange {
public:
    TTransposition(TSongShift shift, TNotation fallback);

    void StartSong(const TSong& song) override;
    std::string NoteLine() const override;
    // Lyrics that stand where chords go stay as they are (see IsChordLine).
    std::string ChordLine(const TParagraph& paragraph, std::size_t position, std::string_view line) const override;

private:
    TSongShift m_shift;
    TNotation m_fallback;
    std::optional<TTransposer> m_transposer;
};
