#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct TCorpusSize {
    std::size_t Artists = 2000;
    std::size_t SongsPerArtist = 50;
};

// Writes Artists song files into the folder (created if needed): code page
// 852, CR LF, songs of realistic shape (headers, verses with chord lines,
// tablature, details) with accented Hungarian words. The same seed gives the
// same bytes. Returns the number of bytes written.
std::uint64_t GenerateCorpus(const std::string& directory, TCorpusSize size, std::uint32_t seed = 1);
