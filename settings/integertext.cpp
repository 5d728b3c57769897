#include "settings/integertext.h"

#include "platform/ascii.h"

#include <limits>

namespace {

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+'))
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    const std::int64_t limit = negative ? -std::int64_t{std::numeric_limits<std::int32_t>::min()}
                                        : std::int64_t{std::numeric_limits<std::int32_t>::max()};
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

} // namespace

std::optional<std::int32_t> ParseIntegerText(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    for (std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
        if (!text.starts_with(prefix))
            continue;
        if (const std::optional<std::uint32_t> bits = ParseHexDigits(text.substr(prefix.size())))
            return static_cast<std::int32_t>(*bits); // any 32-bit pattern
        return std::nullopt;
    }
    return ParseDecimal(text);
}

std::optional<std::uint32_t> ParseHexDigits(std::string_view digits) {
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return value;
}
