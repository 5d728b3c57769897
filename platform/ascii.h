#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string_view>

static_assert(std::endian::native == std::endian::little, "eight bytes are read as one number, the first lowest");

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

// For going through text eight bytes at a time (read as one number, the first
// byte lowest): the top bit of each byte that is a control character, above
// 0x7F, or one of the specials. Exact up to the lowest byte marked; above it
// a borrow may mark more. Writers copy what is left unmarked as it is.
template <char... Specials> constexpr std::uint64_t MarkBytesToChange(std::uint64_t eight) {
    constexpr std::uint64_t Ones = 0x0101010101010101;
    constexpr std::uint64_t Tops = Ones * 0x80;
    const auto zeroBytes = [](std::uint64_t bytes) { return (bytes - Ones) & ~bytes & Tops; };
    return (eight & Tops) | ((eight - Ones * 0x20) & ~eight & Tops) |
           (zeroBytes(eight ^ (Ones * static_cast<unsigned char>(Specials))) | ...);
}
