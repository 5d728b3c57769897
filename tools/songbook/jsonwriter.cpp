#include "tools/songbook/jsonwriter.h"

#include "platform/ascii.h"
#include "platform/codepage.h"
#include "platform/unicode.h"

#include <algorithm>
#include <bit>
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
// escape, or its UTF-8 sequence; made once. Every entry is copied whole
// (eight bytes), and the write moves on by its length: no branch per byte.
class TAnsiJson {
public:
    static constexpr std::size_t Longest = 6; // \u00XX
    static constexpr std::size_t Copied = 8;

    TAnsiJson() {
        for (int byte = 0; byte < 256; ++byte) {
            std::string text;
            const char c = static_cast<char>(byte);
            if (byte < 0x80)
                AppendEscaped(text, c);
            else
                AppendUtf8(text, AnsiToUnicode(c));
            std::copy(text.begin(), text.end(), m_entries[byte].Bytes);
            m_entries[byte].Size = static_cast<std::uint8_t>(text.size());
        }
    }

    // Writes at most Longest bytes a character, and touches Copied - 1 more
    // after the last. Most text needs no change: eight bytes at a time are
    // copied as they are up to the first that needs one.
    char* Write(char* out, std::string_view ansi) const {
        const char* in = ansi.data();
        const char* const end = in + ansi.size();
        while (end - in >= 8) {
            std::uint64_t eight;
            std::memcpy(&eight, in, 8);
            std::memcpy(out, in, 8);
            const std::uint64_t changed = MarkBytesToChange<'"', '\\'>(eight);
            if (changed == 0) {
                in += 8;
                out += 8;
                continue;
            }
            const auto plain = static_cast<std::size_t>(std::countr_zero(changed) / 8);
            in += plain;
            out = WriteOne(out + plain, *in++);
        }
        while (in < end)
            out = WriteOne(out, *in++);
        return out;
    }

private:
    char* WriteOne(char* out, char c) const {
        const TEntry& entry = m_entries[static_cast<unsigned char>(c)];
        std::memcpy(out, entry.Bytes, Copied);
        return out + entry.Size;
    }

    struct TEntry {
        char Bytes[Copied] = {};
        std::uint8_t Size = 0;
    };
    TEntry m_entries[256];
};

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
    static const TAnsiJson table;
    char* start = Room(ansiText.size() * TAnsiJson::Longest + TAnsiJson::Copied + 2);
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
