#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Song files are stored in code page 852 (the DOS code page of Central
// Europe); the model keeps text in code page 1250 (its Windows partner).
// Both conversions map one byte to one byte, so a line keeps its length.

char OemToAnsiChar(char oem);
void OemToAnsiInPlace(char* data, std::size_t length);
std::string OemToAnsiLine(std::string_view line);

// Code page 1250 to Unicode, for the edges that show or print text.
char32_t AnsiToUnicode(char ansi);
std::string AnsiToUtf8(std::string_view text);
