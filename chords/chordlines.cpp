#include "chords/chordlines.h"

#include "chords/linelayout.h"
#include "library/paragraph.h"
#include "library/song.h"

#include <algorithm>
#include <iterator>

namespace {

// Letters of the code page from 0x80 up count too: a word of lyrics, never a chord's.
bool HasLetterOrDigit(std::string_view word) {
    for (char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
            byte >= 0x80)
            return true;
    }
    return false;
}

} // namespace

bool ReadsAsChords(std::string_view line) {
    std::size_t chords = 0;
    std::size_t words = 0;
    VisitTokens(line, [&](TToken token) {
        if (SplitChordWord(token.Text))
            ++chords;
        else if (HasLetterOrDigit(token.Text))
            ++words;
    });
    return chords > 0 && chords >= words;
}

bool IsChordLine(std::int32_t kind, std::size_t position, std::string_view line) {
    if (kind == TChords::KindNumber)
        return true;
    return InChordPosition(kind, position) && ReadsAsChords(line);
}

std::vector<std::string_view> ChordLines(const TSong& song) {
    std::vector<std::string_view> lines;
    for (const TParagraph* paragraph = song.FirstParagraph.get(); paragraph; paragraph = paragraph->Next.get()) {
        std::size_t position = 0;
        for (std::string_view line : paragraph->Lines)
            if (IsChordLine(paragraph->Kind, position++, line))
                lines.push_back(line);
    }
    return lines;
}

std::vector<TChord> SongChords(const TSong& song, TNotation notation) {
    std::vector<TChord> chords;
    for (std::string_view line : ChordLines(song))
        VisitTokens(line, [&](TToken token) {
            if (const std::optional<TChordWordParts> word = SplitChordWord(token.Text))
                std::ranges::move(ChainedChords(word->Chords, notation), std::back_inserter(chords));
        });
    return chords;
}

std::vector<std::size_t> SwappingBlankLines(const TParagraph& paragraph) {
    std::vector<std::size_t> swapping;
    if (paragraph.Kind != TDefVerse::KindNumber)
        return swapping;
    std::size_t position = 0;
    std::optional<std::size_t> firstBlank;
    for (std::string_view line : paragraph.Lines) {
        if (line.empty() && !firstBlank)
            firstBlank = position;
        if (!line.empty() && firstBlank) {
            if (InChordPosition(paragraph.Kind, position) != ReadsAsChords(line))
                swapping.push_back(*firstBlank);
            firstBlank.reset();
        }
        ++position;
    }
    return swapping;
}
