#pragma once

#include "chords/notation.h"

#include <memory>
#include <string>
#include <vector>

class TArtist;

// An artist read from a song file made of the given UTF-8 lines.
std::unique_ptr<TArtist> ArtistFromLines(const std::vector<std::string>& utf8Lines);

// An artist of one song whose only paragraph is a chords paragraph of the
// given UTF-8 lines.
std::unique_ptr<TArtist> ChordsSong(const std::vector<std::string>& utf8Lines);

// The lines of such a song transposed, as UTF-8.
std::vector<std::string> Transposed(const std::vector<std::string>& utf8Lines, int semitones, TNotation fallback);
