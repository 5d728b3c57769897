#include "chords/transposition.h"

#include "chords/chordlines.h"

#include <algorithm>

TSongShift Normalized(TSongShift shift) {
    return {shift.Semitones % 12, std::clamp(shift.Capo, 0, HighestCapo)};
}

std::string ShiftCaption(TSongShift shift) {
    std::string parts;
    if (shift.Semitones != 0)
        parts = (shift.Semitones > 0 ? "+" : "") + std::to_string(shift.Semitones);
    if (shift.Capo != 0)
        parts += (parts.empty() ? "capo " : ", capo ") + std::to_string(shift.Capo);
    return parts.empty() ? parts : " (" + parts + ")";
}

TTransposition::TTransposition(TSongShift shift, TNotation fallback)
    : m_shift(Normalized(shift)), m_fallback(fallback) {}

// A capo on fret N sounds N semitones up: the shapes to play are the song N lower.
void TTransposition::StartSong(const TSong& song) {
    m_transposer.emplace(song, m_shift.Semitones - m_shift.Capo, m_fallback);
}

std::string TTransposition::NoteLine() const {
    return m_shift.Capo == 0 ? std::string() : "Capo " + std::to_string(m_shift.Capo);
}

std::string TTransposition::ChordLine(const TParagraph& paragraph, std::size_t position, std::string_view line) const {
    return IsChordLine(paragraph.Kind, position, line) ? m_transposer->TransposeLine(line) : std::string(line);
}
