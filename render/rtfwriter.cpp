#include "render/rtfwriter.h"

#include "platform/codepage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace {

// What each text byte becomes. Bytes above 0x7F carry their Unicode value,
// which every reader understands, and the code-page byte for readers that
// skip \u; the font table's character set 238 says how to read that byte.
std::array<std::string, 256> MakeEscapes() {
    std::array<std::string, 256> escapes;
    constexpr char Hex[] = "0123456789abcdef";
    for (int byte = 0; byte < 256; ++byte) {
        const std::string hex = {'\\', '\'', Hex[byte >> 4], Hex[byte & 15]};
        if (byte >= 0x80) {
            const auto unicode = static_cast<std::int16_t>(AnsiToUnicode(static_cast<char>(byte)));
            escapes[byte] = "\\u" + std::to_string(unicode) + hex;
        } else if (byte == '\\' || byte == '{' || byte == '}') {
            escapes[byte] = {'\\', static_cast<char>(byte)};
        } else if (byte == '\t') {
            escapes[byte] = "\\tab ";
        } else if (byte == '\n') {
            escapes[byte] = "\\line ";
        } else if (byte < 0x20) {
            escapes[byte] = hex;
        }
    }
    return escapes;
}

const std::array<std::string, 256>& Escapes() {
    static const auto escapes = MakeEscapes();
    return escapes;
}

const std::array<bool, 256>& NeedsEscape() {
    static const auto needs = [] {
        std::array<bool, 256> needs{};
        for (std::size_t byte = 0; byte < needs.size(); ++byte)
            needs[byte] = !Escapes()[byte].empty();
        return needs;
    }();
    return needs;
}

void AppendText(std::string& out, std::string_view text) {
    const auto& escapes = Escapes();
    const auto& needsEscape = NeedsEscape();
    std::size_t plain = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!needsEscape[byte])
            continue;
        out.append(text.substr(plain, i - plain));
        out += escapes[byte];
        plain = i + 1;
    }
    out.append(text.substr(plain));
}

// In the font table a ';' ends the name, and \tab or \line would be
// control words, not part of it: those go as hex.
void AppendFontName(std::string& out, std::string_view name) {
    std::size_t plain = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (c != ';' && c != '\t' && c != '\n')
            continue;
        AppendText(out, name.substr(plain, i - plain));
        out += c == ';' ? "\\'3b" : c == '\t' ? "\\'09" : "\\'0a";
        plain = i + 1;
    }
    AppendText(out, name.substr(plain));
}

void AppendNumber(std::string& out, std::string_view word, std::int64_t number) {
    out += word;
    out += std::to_string(number);
}

// Fonts and colours numbered in the order the document first uses them.
class TTables {
public:
    explicit TTables(const TRichDocument& document) {
        FontNumber(document.Runs().empty() ? document.InsertionFormat().FaceName
                                           : document.Runs().front().Format.FaceName);
        for (const TFormatRun& run : document.Runs()) {
            FontNumber(run.Format.FaceName);
            if (!run.Format.AutomaticColor)
                ColorNumber(run.Format.Rgb);
        }
    }

    std::size_t FontNumber(const std::string& face) { return IndexOf(m_fonts, face); }
    // 0 is the automatic colour.
    std::size_t ColorNumber(TColor rgb) { return IndexOf(m_colors, rgb) + 1; }

    void AppendTo(std::string& out) const {
        out += "{\\fonttbl";
        for (std::size_t i = 0; i < m_fonts.size(); ++i) {
            AppendNumber(out, "{\\f", static_cast<std::int64_t>(i));
            out += "\\fnil\\fcharset238\\fprq0 ";
            AppendFontName(out, m_fonts[i]);
            out += ";}";
        }
        out += "}\r\n{\\colortbl ;";
        for (TColor rgb : m_colors) {
            AppendNumber(out, "\\red", RedOf(rgb));
            AppendNumber(out, "\\green", GreenOf(rgb));
            AppendNumber(out, "\\blue", BlueOf(rgb));
            out += ';';
        }
        out += "}\r\n";
    }

private:
    template <class T> static std::size_t IndexOf(std::vector<T>& items, const T& item) {
        const auto found = std::find(items.begin(), items.end(), item);
        if (found != items.end())
            return static_cast<std::size_t>(found - items.begin());
        items.push_back(item);
        return items.size() - 1;
    }

    std::vector<std::string> m_fonts;
    std::vector<TColor> m_colors;
};

void AppendParagraphFormat(std::string& out, const TParagraphFormat& format) {
    out += format.Alignment == TAlignment::Center ? "\\pard\\qc" : "\\pard\\ql";
    AppendNumber(out, "\\fi", format.FirstLineIndentTwips);
}

// \plain forgets every character property, so each run states all of its own.
void AppendCharacterFormat(std::string& out, const TCharacterFormat& format, TTables& tables) {
    AppendNumber(out, "\\plain\\f", static_cast<std::int64_t>(tables.FontNumber(format.FaceName)));
    AppendNumber(out, "\\fs", (format.SizeTwips + 5) / 10);
    if (format.Style & FontStyle::Bold)
        out += "\\b";
    if (format.Style & FontStyle::Italic)
        out += "\\i";
    if (format.Style & FontStyle::Underline)
        out += "\\ul";
    if (format.Style & FontStyle::StrikeOut)
        out += "\\strike";
    if (!format.AutomaticColor)
        AppendNumber(out, "\\cf", static_cast<std::int64_t>(tables.ColorNumber(format.Rgb)));
    out += ' ';
}

class TBodyWriter {
public:
    TBodyWriter(const TRichDocument& document, TTables& tables, std::string& out)
        : m_document(document), m_tables(tables), m_out(out) {}

    void Write() {
        const std::string& text = m_document.Text();
        const auto& runs = m_document.Runs();
        const auto& paragraphs = m_document.Paragraphs();
        std::size_t run = 0;
        std::size_t paragraph = 0;
        std::size_t position = 0;
        SetRun(runs.empty() ? m_document.InsertionFormat() : runs[0].Format);
        SetParagraph(paragraphs[0]);
        while (position < text.size()) {
            if (run + 1 < runs.size() && runs[run + 1].Start <= position)
                SetRun(runs[++run].Format);
            const std::size_t runEnd = run + 1 < runs.size() ? runs[run + 1].Start : text.size();
            const std::size_t mark = std::min(text.find('\r', position), text.size());
            const std::size_t end = std::min(runEnd, mark);
            m_out += m_runFormat;
            AppendText(m_out, std::string_view(text).substr(position, end - position));
            position = end;
            if (position == mark) {
                m_out += "\\par\r\n";
                ++position;
                SetParagraph(paragraphs[++paragraph]);
            }
        }
    }

private:
    // A songbook has a handful of formats in many lines: spell each out once.
    void SetRun(const TCharacterFormat& format) {
        m_runFormat.clear();
        AppendCharacterFormat(m_runFormat, format, m_tables);
    }

    void SetParagraph(const TParagraphFormat& format) {
        if (m_paragraphFormat.empty() || !(format == m_lastParagraph)) {
            m_lastParagraph = format;
            m_paragraphFormat.clear();
            AppendParagraphFormat(m_paragraphFormat, format);
        }
        m_out += m_paragraphFormat;
    }

    const TRichDocument& m_document;
    TTables& m_tables;
    std::string& m_out;
    std::string m_runFormat;
    std::string m_paragraphFormat;
    TParagraphFormat m_lastParagraph;
};

} // namespace

std::string RichText(const TRichDocument& document) {
    TTables tables(document);
    std::string out;
    // Formats are restated for every line, which makes songbooks about three times their text.
    out.reserve(3 * document.Text().size() + 64 * document.Runs().size() + 256);
    out += "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1\r\n";
    tables.AppendTo(out);
    TBodyWriter(document, tables, out).Write();
    out += "}\r\n";
    return out;
}
