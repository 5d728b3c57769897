#include "tools/songbook/jsonwriter.h"

#include "platform/ascii.h"
#include "platform/byteescapes.h"
#include "platform/codepage.h"
#include "platform/unicode.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::size_t BufferSize = 1 << 17; // what goes to the stream in one piece

// Quotes and backslashes escaped, control characters as \u00XX; the rest as it is.
void AppendEscaped(std::string& out, char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
        out += '\\';
        out += c;
    } else if (byte < 0x20) {
        out += "\\u00";
        out += HexDigits[byte >> 4];
        out += HexDigits[byte & 0xF];
    } else {
        out += c;
    }
}

void AppendUtf8String(std::string& out, std::string_view utf8) {
    out += '"';
    for (char c : utf8)
        AppendEscaped(out, c);
    out += '"';
}

// Each byte of code page 1250 as it stands in a JSON string: itself, an
// escape, or its UTF-8 sequence.
using TAnsiJson = TByteEscapes<8>;

std::string JsonOf(unsigned char byte) {
    std::string text;
    const auto c = static_cast<char>(byte);
    if (byte < 0x80)
        AppendEscaped(text, c);
    else
        AppendUtf8(text, AnsiToUnicode(c));
    return text;
}

} // namespace

TJsonWriter::TJsonWriter(std::ostream& out) : m_out(&out), m_buffer(BufferSize) {}

TJsonWriter::TJsonWriter() : m_buffer(BufferSize / 4) {}

TJsonWriter::~TJsonWriter() {
    Flush();
}

TJsonWriter& TJsonWriter::Raw(std::string_view syntax) {
    std::memcpy(Room(syntax.size()), syntax.data(), syntax.size());
    m_used += syntax.size();
    return *this;
}

TJsonWriter& TJsonWriter::Number(long long number) {
    return Raw(std::to_string(number));
}

TJsonWriter& TJsonWriter::Boolean(bool value) {
    return Raw(value ? "true" : "false");
}

TJsonWriter& TJsonWriter::AnsiString(std::string_view ansiText) {
    static const TAnsiJson table(JsonOf);
    char* start = Room(table.RoomFor(ansiText.size()) + 2);
    char* end = start;
    *end++ = '"';
    end = table.Write(end, ansiText);
    *end++ = '"';
    m_used += static_cast<std::size_t>(end - start);
    return *this;
}

TJsonWriter& TJsonWriter::PathString(std::string_view path) {
    std::string literal;
    AppendUtf8String(literal, PathForDisplay(path));
    return Raw(literal);
}

void TJsonWriter::Flush() {
    if (!m_out)
        return;
    m_out->write(m_buffer.data(), static_cast<std::streamsize>(m_used));
    m_used = 0;
}

// Where the next bytes go, with room for at least this many: what is there
// goes to the stream first when the buffer is full, or the buffer grows.
char* TJsonWriter::Room(std::size_t bytes) {
    if (m_used + bytes > m_buffer.size())
        Flush();
    if (m_used + bytes > m_buffer.size())
        m_buffer.resize(std::max(m_buffer.size() * 2, m_used + bytes));
    return m_buffer.data() + m_used;
}

std::string PathForDisplay(std::string_view path) {
    return ValidUtf8(path);
}

void WriteJsonAnsiString(std::ostream& out, std::string_view ansiText) {
    TJsonWriter(out).AnsiString(ansiText);
}

void WriteJsonPathString(std::ostream& out, std::string_view path) {
    TJsonWriter(out).PathString(path);
}
