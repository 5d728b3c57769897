#pragma once

#include <string>
#include <string_view>
#include <vector>

// Converts with the C library's iconv (on Windows, with the system's own code
// page conversion), not with the program's own tables, so that fixtures
// check the program rather than restate it. Code pages are named "UTF-8",
// "UTF-16LE", "UTF-32LE", "CP852" and "CP1250".
std::string Iconv(std::string_view bytes, const char* from, const char* to);

// A song file as stored: UTF-8 lines in code page 852, each ended by CR LF.
std::string SongFileBytes(const std::vector<std::string>& utf8Lines);

// Model text (code page 1250) as UTF-8, for readable expectations.
std::string Utf8FromAnsi(std::string_view ansi);
// UTF-8 as model text (code page 1250).
std::string AnsiFromUtf8(std::string_view utf8);
