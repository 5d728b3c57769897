#include "render/rtftables.h"

#include "platform/ascii.h"
#include "platform/codepage.h"

#include <algorithm>
#include <cstdint>

namespace {

// Bytes above 0x7F carry their Unicode value, which every reader
// understands, and the code-page byte for readers that skip \u; the font
// table's character set 238 says how to read that byte.
std::string RtfOf(unsigned char byte) {
    const std::string hex = {'\\', '\'', HexDigits[byte >> 4], HexDigits[byte & 15]};
    if (byte >= 0x80)
        return "\\u" + std::to_string(static_cast<std::int16_t>(AnsiToUnicode(static_cast<char>(byte)))) + hex;
    if (byte == '\\' || byte == '{' || byte == '}')
        return {'\\', static_cast<char>(byte)};
    if (byte == '\t')
        return "\\tab ";
    if (byte == '\n')
        return "\\line ";
    if (byte < 0x20)
        return hex;
    return std::string(1, static_cast<char>(byte));
}

// In the font table a ';' ends the name, and \tab or \line would be
// control words, not part of it: those go as hex.
void AppendFontName(std::string& out, std::string_view name) {
    std::size_t plain = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (c != ';' && c != '\t' && c != '\n')
            continue;
        RtfEscapes().Append(out, name.substr(plain, i - plain));
        out += c == ';' ? "\\'3b" : c == '\t' ? "\\'09" : "\\'0a";
        plain = i + 1;
    }
    RtfEscapes().Append(out, name.substr(plain));
}

template <class T> std::size_t IndexOf(std::vector<T>& items, const T& item) {
    const auto found = std::find(items.begin(), items.end(), item);
    if (found != items.end())
        return static_cast<std::size_t>(found - items.begin());
    items.push_back(item);
    return items.size() - 1;
}

} // namespace

const TRtfEscapes& RtfEscapes() {
    static const TRtfEscapes escapes(RtfOf);
    return escapes;
}

void AppendRtfNumber(std::string& out, std::string_view word, std::int64_t number) {
    out += word;
    out += std::to_string(number);
}

TRtfTables::TRtfTables(const TRichDocument& document) {
    const std::vector<TFormatRun>& runs = document.Runs();
    FontNumber(runs.empty() ? document.InsertionFormat().FaceName : runs.front().Format.FaceName);
    std::size_t face = 0;
    for (const TFormatRun& run : runs) {
        // Runs of one face follow each other: the table is searched only where it changes.
        if (run.Format.FaceName != m_fonts[face])
            face = FontNumber(run.Format.FaceName);
        if (!run.Format.AutomaticColor)
            ColorNumber(run.Format.Rgb);
    }
}

std::size_t TRtfTables::FontNumber(const std::string& face) {
    return IndexOf(m_fonts, face);
}

std::size_t TRtfTables::ColorNumber(TColor rgb) {
    return IndexOf(m_colors, rgb) + 1;
}

void TRtfTables::AppendTo(std::string& out) const {
    out += "{\\fonttbl";
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        AppendRtfNumber(out, "{\\f", static_cast<std::int64_t>(i));
        out += "\\fnil\\fcharset238\\fprq0 ";
        AppendFontName(out, m_fonts[i]);
        out += ";}";
    }
    out += "}\r\n{\\colortbl ;";
    for (TColor rgb : m_colors) {
        AppendRtfNumber(out, "\\red", RedOf(rgb));
        AppendRtfNumber(out, "\\green", GreenOf(rgb));
        AppendRtfNumber(out, "\\blue", BlueOf(rgb));
        out += ';';
    }
    out += "}\r\n";
}
