#include "tools/songbook/jsonwriter.h"

#include "platform/codepage.h"

#include <string>

namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";

// Length of the well-formed UTF-8 sequence at the start of text, or 0.
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = lead < 0x80                   ? 1
                         : lead >= 0xC2 && lead < 0xE0 ? 2
                         : lead >= 0xE0 && lead < 0xF0 ? 3
                         : lead >= 0xF0 && lead < 0xF5 ? 4
                                                       : 0;
    if (length == 0 || length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return 0;
    }
    const auto second = static_cast<unsigned char>(length > 1 ? text[1] : 0x80);
    const bool overlongOrSurrogate = (lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
                                     (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90);
    return overlongOrSurrogate ? 0 : length;
}

void WriteJsonUtf8String(std::ostream& out, std::string_view utf8) {
    static constexpr char Hex[] = "0123456789abcdef";
    out << '"';
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
            out << '\\' << c;
        else if (byte < 0x20)
            out << "\\u00" << Hex[byte >> 4] << Hex[byte & 0xF];
        else
            out << c;
    }
    out << '"';
}

} // namespace

std::string PathForDisplay(std::string_view path) {
    std::string result;
    while (!path.empty()) {
        const std::size_t length = Utf8SequenceLength(path);
        if (length == 0) {
            result += ReplacementCharacter;
            path.remove_prefix(1);
        } else {
            result += path.substr(0, length);
            path.remove_prefix(length);
        }
    }
    return result;
}

void WriteJsonAnsiString(std::ostream& out, std::string_view ansiText) {
    WriteJsonUtf8String(out, AnsiToUtf8(ansiText));
}

void WriteJsonPathString(std::ostream& out, std::string_view path) {
    WriteJsonUtf8String(out, PathForDisplay(path));
}
