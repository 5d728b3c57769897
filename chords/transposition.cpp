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

// A capo on fret N sounds N semitones up: the shapes to play are the song N
// lower. Moved by whole octaves (no shift, or a capo as high as the shift)
// no chord changes, and the song's key, which took most of the time of
// rendering a songbook, is not sought.
void TTransposition::StartSong(const TSong& song) {
    const int semitones = m_shift.Semitones - m_shift.Capo;
    if (semitones % 12 == 0)
        m_transposer.reset();
    else
        m_transposer.emplace(song, semitones, m_fallback);
}

std::string TTransposition::NoteLine() const {
    return m_shift.Capo == 0 ? std::string() : "Capo " + std::to_string(m_shift.Capo);
}

std::string TTransposition::ChordLine(const TParagraph& paragraph, std::size_t position, std::string_view line) const {
    if (!m_transposer || !IsChordLine(paragraph.Kind, position, line))
        return std::string(line);
    return m_transposer->TransposeLine(line);
}
