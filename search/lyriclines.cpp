#include "search/lyriclines.h"

bool IsLyricLine(std::int32_t kind, std::size_t position) {
    const bool text = kind == TNormal::KindNumber || kind == TVerse::KindNumber || kind == TDefVerse::KindNumber;
    return text && !InChordPosition(kind, position);
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
