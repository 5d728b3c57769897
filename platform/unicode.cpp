#include "platform/unicode.h"

#include <utility>

namespace {

constexpr char32_t ReplacementCharacter = 0xFFFD;

char32_t UnitAt(std::string_view bytes, std::size_t i) {
    return static_cast<unsigned char>(bytes[i]) | static_cast<char32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
}

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit < 0xDC00;
}
bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit < 0xE000;
}

void AppendUtf16(std::string& out, char32_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

} // namespace

void AppendUtf8(std::string& out, char32_t point) {
    if (point < 0x80) {
        out += static_cast<char>(point);
    } else if (point < 0x800) {
        out += static_cast<char>(0xC0 | point >> 6);
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += static_cast<char>(0xE0 | point >> 12);
        out += static_cast<char>(0x80 | (point >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | point >> 18);
        out += static_cast<char>(0x80 | (point >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (point >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
}

std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& i) {
    const std::size_t start = i;
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    const int continuation = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (continuation < 0 || lead > 0xF4 || text.size() - i < static_cast<std::size_t>(continuation)) {
        i = start + 1;
        return std::nullopt;
    }
    char32_t point = lead & (0x3F >> continuation);
    for (int k = 0; k < continuation; ++k) {
        const auto next = static_cast<unsigned char>(text[i++]);
        if ((next & 0xC0) != 0x80) {
            i = start + 1;
            return std::nullopt;
        }
        point = (point << 6) | (next & 0x3F);
    }
    constexpr char32_t Smallest[] = {0, 0x80, 0x800, 0x10000};
    if (point < Smallest[continuation] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
        i = start + 1;
        return std::nullopt;
    }
    return point;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        if (!DecodeUtf8(text, i))
            return false;
    }
    return true;
}

std::string ValidUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();)
        AppendUtf8(out, DecodeUtf8(text, i).value_or(ReplacementCharacter));
    return out;
}

std::string Utf8FromUtf16(std::string_view bytes, bool stopAtNul) {
    std::string out;
    out.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t point = UnitAt(bytes, i);
        if (point == 0 && stopAtNul)
            break;
        if (IsHighSurrogate(point) && i + 3 < bytes.size() && IsLowSurrogate(UnitAt(bytes, i + 2))) {
            point = 0x10000 + ((point - 0xD800) << 10) + (UnitAt(bytes, i + 2) - 0xDC00);
            i += 2;
        } else if (IsHighSurrogate(point) || IsLowSurrogate(point)) {
            point = ReplacementCharacter;
        }
        AppendUtf8(out, point);
    }
    return out;
}

std::string Utf8FromMarkedText(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE"))
        return Utf8FromUtf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF")) {
        std::string littleEndian(bytes.substr(2));
        for (std::size_t i = 0; i + 1 < littleEndian.size(); i += 2)
            std::swap(littleEndian[i], littleEndian[i + 1]);
        return Utf8FromUtf16(littleEndian, false);
    }
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    return std::string(bytes);
}

std::string Utf16FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 2);
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t point = DecodeUtf8(utf8, i).value_or(ReplacementCharacter);
        if (point < 0x10000) {
            AppendUtf16(out, point);
        } else {
            AppendUtf16(out, 0xD800 + ((point - 0x10000) >> 10));
            AppendUtf16(out, 0xDC00 + ((point - 0x10000) & 0x3FF));
        }
    }
    return out;
}
