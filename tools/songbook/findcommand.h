#pragma once

#include "library/artist.h"

#include <ostream>
#include <string>

// Prints the songs that hold every word of the query (as the viewer's search
// finds them: case, accents and punctuation aside), those found by title
// first: "ARTIST - TITLE", and below a song found in its lyrics the line that
// matched; or, with json, the same as a JSON document. Returns the number of songs found.
std::size_t FindSongs(const TArtist* artists, const std::string& utf8Query, bool json, std::ostream& out);

// Whether the query holds anything the search looks for: a character of code
// page 1250 that is not punctuation or space. A character the code page lacks
// counts, as it is something to look for, which no song holds.
bool HasWordToFind(const std::string& utf8Query);
