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
