#pragma once

#include <ostream>
#include <string_view>

// Writes a JSON string literal. Model text is code page 1250 and is converted
// to UTF-8; file names are taken as UTF-8, invalid bytes replaced by U+FFFD.
void WriteJsonAnsiString(std::ostream& out, std::string_view ansiText);
void WriteJsonPathString(std::ostream& out, std::string_view path);

// A path as UTF-8 for messages, invalid bytes replaced by U+FFFD.
std::string PathForDisplay(std::string_view path);
