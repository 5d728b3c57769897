#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

class TParagraph;
class TSong;

// Whether the line at position (counting every line, empty ones too) holds
// chords: every line of a chords paragraph, and in a verse with chords the
// lines at even positions, each above its text line. Details and tablature
// are never chord lines, whatever they look like.
bool IsChordLine(const TParagraph& paragraph, std::size_t position);

// Every chord line of the song, in order.
std::vector<std::string_view> ChordLines(const TSong& song);
