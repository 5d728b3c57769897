#include "settings/utf16.h"

namespace {

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

char32_t UnitAt(std::string_view bytes, std::size_t i) {
    return static_cast<unsigned char>(bytes[i]) | static_cast<char32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
}

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit < 0xDC00;
}
bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit < 0xE000;
}

} // namespace

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
            point = 0xFFFD;
        }
        AppendUtf8(out, point);
    }
    return out;
}
