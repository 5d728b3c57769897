#include "chords/chordlines.h"

#include "library/paragraph.h"
#include "library/song.h"

bool IsChordLine(const TParagraph& paragraph, std::size_t position) {
    return InChordPosition(paragraph.Kind, position);
}

std::vector<std::string_view> ChordLines(const TSong& song) {
    std::vector<std::string_view> lines;
    for (const TParagraph* paragraph = song.FirstParagraph.get(); paragraph; paragraph = paragraph->Next.get()) {
        std::size_t position = 0;
        for (std::string_view line : paragraph->Lines)
            if (IsChordLine(*paragraph, position++))
                lines.push_back(line);
    }
    return lines;
}
