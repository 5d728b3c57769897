#include "search/lyriclines.h"

bool IsLyricLine(std::int32_t kind, std::size_t position) {
    switch (kind) {
    case TNormal::KindNumber:
    case TVerse::KindNumber:
        return true;
    case TDefVerse::KindNumber:
        return position % 2 == 1;
    default:
        return false;
    }
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
