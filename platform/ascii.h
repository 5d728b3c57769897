#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Case folding for the ASCII letters only: keywords and file extensions are
// matched this way whatever the locale, and accented letters never fold.
constexpr char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The value of a hexadecimal digit in either case, or -1 for any other character.
constexpr int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = AsciiLower(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// How the program writes hexadecimal digits.
inline constexpr char HexDigits[] = "0123456789abcdef";

inline bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

// Spaces and tabs: what stands around the text of a line that people write by hand.
inline bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

inline std::string_view WithoutBlanksAround(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return {};
    return text.substr(start, text.find_last_not_of(" \t") - start + 1);
}
