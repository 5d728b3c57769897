#pragma once

#include <string>
#include <vector>

class TArtist;

// The artist as readable UTF-8 lines, one per song and per paragraph, e.g.
//   artist "Name" page "Page"
//   song "Title" authors "A" comment "" new mine vulg
//     1 ["line", "line"]
// Also checks the list invariants (tails, back references) with gtest.
std::string DescribeArtist(const TArtist& artist);

// Builds an artist from UTF-8 lines stored as a song file (code page 852, CR LF).
std::string ParseAndDescribe(const std::vector<std::string>& utf8Lines);
