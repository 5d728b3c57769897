#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A stored integer: leading blanks, then an optional sign and decimal digits
// within the signed 32-bit range, or "$", "x", "X", "0x" or "0X" and one to
// eight hexadecimal digits (any 32-bit pattern). Nothing may follow.
std::optional<std::int32_t> ParseIntegerText(std::string_view text);

// One to eight hexadecimal digits in either case, and nothing else.
std::optional<std::uint32_t> ParseHexDigits(std::string_view digits);
