#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Song files are stored in code page 852 (the DOS code page of Central
// Europe); the model keeps text in code page 1250 (its Windows partner).
// Both conversions map one byte to one byte, so a line keeps its length.

char OemToAnsiChar(char oem);
void OemToAnsiInPlace(char* data, std::size_t length);

// The ways the whole-buffer conversion can go, fastest last. OemToAnsiInPlace
// takes the fastest this processor has; each can be asked for by name so that
// tests and benchmarks reach every one on any machine that has it.
enum class TOemConversion { Scalar, Avx2, Avx512Vbmi };
bool ProcessorHas(TOemConversion conversion);
void OemToAnsiInPlace(char* data, std::size_t length, TOemConversion conversion);

// Code page 1250 to Unicode, for the edges that show or print text.
char32_t AnsiToUnicode(char ansi);
std::string AnsiToUtf8(std::string_view text);
// UTF-8 to code page 1250, for names typed by the user; nullopt when the
// text is not UTF-8 or holds a character that code page 1250 lacks.
std::optional<std::string> Utf8ToAnsi(std::string_view text);
