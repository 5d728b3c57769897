#include "search/lyriclines.h"

#include "chords/chordlines.h"

bool IsLyricLine(std::int32_t kind, std::size_t position, std::string_view line) {
    const bool text = kind == TNormal::KindNumber || kind == TVerse::KindNumber || kind == TDefVerse::KindNumber;
    return text && !IsChordLine(kind, position, line);
}

std::string_view LyricLine(const TSong& song, std::size_t index) {
    std::string_view found;
    VisitLyricLines(song, [&](std::string_view line) {
        if (index-- > 0)
            return true;
        found = line;
        return false;
    });
    return found;
}
