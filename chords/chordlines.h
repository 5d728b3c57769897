#pragma once

#include "chords/chord.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

class TParagraph;
class TSong;

// Whether the line reads as chords: it holds a chord, and no fewer chords than
// other words. A word without a letter or digit (|, -, ||:) counts as neither,
// so "Am  G  |  C  x2" reads as chords and "Ami megmarad, az egyszer újra
// kinyílik." does not, though "Ami" is a chord's spelling.
bool ReadsAsChords(std::string_view line);

// Whether the line at position (counting every line, empty ones too) holds
// chords. Every line of a chords paragraph does: the file says so. In a verse
// with chords the lines at chord positions (see InChordPosition) do when they
// read as chords: there the pairs of lines are only assumed, and one blank
// line too many puts the lyrics of every pair after it where chords go.
bool IsChordLine(std::int32_t kind, std::size_t position, std::string_view line);

// Every chord line of the song, in order.
std::vector<std::string_view> ChordLines(const TSong& song);

// Every chord of the song's chord lines, in order.
std::vector<TChord> SongChords(const TSong& song, TNotation notation);

// The positions of the blank lines of a verse with chords after which chords
// and lyrics stand each where the other belongs: the next line that is not
// blank reads as chords in a text position, or is lyrics in a chord position.
// A blank line that keeps the pairs (an empty chord line over a line sung
// without chords) is not listed; of several blank lines in a row, the first is.
std::vector<std::size_t> SwappingBlankLines(const TParagraph& paragraph);
