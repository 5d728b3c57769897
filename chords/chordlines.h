#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

class TParagraph;
class TSong;

// Whether the line at position (counting every line, empty ones too) holds
// chords: whether it stands in a chord position (see InChordPosition).
bool IsChordLine(const TParagraph& paragraph, std::size_t position);

// Every chord line of the song, in order.
std::vector<std::string_view> ChordLines(const TSong& song);
