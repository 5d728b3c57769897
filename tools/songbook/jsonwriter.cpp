#include "tools/songbook/jsonwriter.h"

#include "platform/ascii.h"
#include "platform/codepage.h"
#include "platform/unicode.h"

#include <string>

namespace {

void WriteJsonUtf8String(std::ostream& out, std::string_view utf8) {
    out << '"';
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
            out << '\\' << c;
        else if (byte < 0x20)
            out << "\\u00" << HexDigits[byte >> 4] << HexDigits[byte & 0xF];
        else
            out << c;
    }
    out << '"';
}

} // namespace

std::string PathForDisplay(std::string_view path) {
    return ValidUtf8(path);
}

void WriteJsonAnsiString(std::ostream& out, std::string_view ansiText) {
    WriteJsonUtf8String(out, AnsiToUtf8(ansiText));
}

void WriteJsonPathString(std::ostream& out, std::string_view path) {
    WriteJsonUtf8String(out, PathForDisplay(path));
}
