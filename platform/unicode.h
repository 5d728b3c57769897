#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The one home of UTF-8 and UTF-16 encoding, for every edge where text
// leaves or enters the program as Unicode.

void AppendUtf8(std::string& out, char32_t point);

// The well-formed UTF-8 sequence at text[i] (no overlong forms, no
// surrogates), moving i past it; nullopt, with i moved by one byte, if there is none.
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& i);

bool IsValidUtf8(std::string_view text);

// Invalid bytes become U+FFFD, so that any path or name can be shown.
std::string ValidUtf8(std::string_view text);

// UTF-16LE bytes as UTF-8; with stopAtNul, only up to the first NUL character.
// A lone surrogate becomes U+FFFD.
std::string Utf8FromUtf16(std::string_view bytes, bool stopAtNul);

// A text file's bytes with their byte order mark read: UTF-16 in either
// byte order becomes UTF-8, a UTF-8 mark is dropped, and text without a mark
// is returned as it is (whether or not it is UTF-8).
std::string Utf8FromMarkedText(std::string_view bytes);

// Valid UTF-8 as UTF-16LE bytes (an invalid byte becomes U+FFFD).
std::string Utf16FromUtf8(std::string_view utf8);
