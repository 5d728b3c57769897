#pragma once

#include <memory>
#include <string>
#include <vector>

class TArtist;

// An artist read from a song file made of the given UTF-8 lines.
std::unique_ptr<TArtist> ArtistFromLines(const std::vector<std::string>& utf8Lines);
