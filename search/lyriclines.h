#pragma once

#include "library/song.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Whether the line at this position of a paragraph of this kind (positions
// count every line, empty ones too) is lyrics, which search looks in: the
// lines of normal paragraphs, verses and verses with chords that are not chord
// lines (see IsChordLine), so lyrics that a blank line too many moved into a
// chord position are found. Tablature and details are not lyrics.
bool IsLyricLine(std::int32_t kind, std::size_t position, std::string_view line);

// Calls visit(line) for the song's lyric lines in order, while it returns true.
template <class TVisit> void VisitLyricLines(const TSong& song, TVisit&& visit) {
    for (const TParagraph* paragraph = song.FirstParagraph.get(); paragraph; paragraph = paragraph->Next.get()) {
        std::size_t position = 0;
        for (std::string_view line : paragraph->Lines) {
            if (IsLyricLine(paragraph->Kind, position++, line) && !visit(line))
                return;
        }
    }
}

// The song's lyric line at this index (counting as VisitLyricLines visits);
// empty when the song has fewer.
std::string_view LyricLine(const TSong& song, std::size_t index);
