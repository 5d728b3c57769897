#include "setlist/eachsongshift.h"

TEachSongShift::TEachSongShift(TShiftOf shiftOf, TNotation fallback)
    : m_shiftOf(std::move(shiftOf)), m_fallback(fallback) {}

void TEachSongShift::StartSong(const TSong& song) {
    m_song.emplace(m_shiftOf(song), m_fallback);
    m_song->StartSong(song);
}

std::string TEachSongShift::NoteLine() const {
    return m_song ? m_song->NoteLine() : std::string();
}

std::string TEachSongShift::ChordLine(const TParagraph& paragraph, std::size_t position, std::string_view line) const {
    return m_song ? m_song->ChordLine(paragraph, position, line) : std::string(line);
}
