#pragma once

#include <algorithm>
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
