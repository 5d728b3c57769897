#include "render/rtfwriter.h"

#include "platform/ascii.h"
#include "platform/codepage.h"
#include "render/paragraphwalk.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

namespace {

// What each text byte becomes. Bytes above 0x7F carry their Unicode value,
// which every reader understands, and the code-page byte for readers that
// skip \u; the font table's character set 238 says how to read that byte.
std::array<std::string, 256> MakeEscapes() {
    std::array<std::string, 256> escapes;
    for (int byte = 0; byte < 256; ++byte) {
        const std::string hex = {'\\', '\'', HexDigits[byte >> 4], HexDigits[byte & 15]};
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

// Text is mostly letters that go as they are: eight bytes at a time are
// passed over up to the first that needs an escape.
void AppendText(std::string& out, std::string_view text) {
    const auto& escapes = Escapes();
    const auto& needsEscape = NeedsEscape();
    std::size_t plain = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.size() - i >= 8) {
            std::uint64_t eight;
            std::memcpy(&eight, text.data() + i, 8);
            const std::uint64_t marked = MarkBytesToChange<'\\', '{', '}'>(eight);
            i += marked == 0 ? 8 : static_cast<std::size_t>(std::countr_zero(marked) / 8);
            if (marked == 0)
                continue;
        } else if (!needsEscape[static_cast<unsigned char>(text[i])]) {
            ++i;
            continue;
        }
        const auto byte = static_cast<unsigned char>(text[i]);
        out.append(text.substr(plain, i - plain));
        out += escapes[byte];
        plain = ++i;
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

// \plain forgets every character property, and the run states all of its own.
void AppendWholeCharacterFormat(std::string& out, const TCharacterFormat& format, TTables& tables) {
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

constexpr std::array<std::pair<std::int32_t, std::pair<const char*, const char*>>, 4> StyleWords = {{
    {FontStyle::Bold, {"\\b", "\\b0"}},
    {FontStyle::Italic, {"\\i", "\\i0"}},
    {FontStyle::Underline, {"\\ul", "\\ulnone"}},
    {FontStyle::StrikeOut, {"\\strike", "\\strike0"}},
}};

// Only what differs from the run before: a chord line and a lyric line
// under it differ in a style or two, and restating every property took a
// tenth of a songbook's bytes. Styles that end come before a new font or
// size, and styles that begin after it, as unrtf nests them best so.
void AppendFormatChange(std::string& out, const TCharacterFormat& from, const TCharacterFormat& to, TTables& tables) {
    const std::int32_t changed = from.Style ^ to.Style;
    for (const auto& [style, words] : StyleWords) {
        if ((changed & style) && !(to.Style & style))
            out += words.second;
    }
    if (from.FaceName != to.FaceName)
        AppendNumber(out, "\\f", static_cast<std::int64_t>(tables.FontNumber(to.FaceName)));
    if (from.SizeTwips != to.SizeTwips)
        AppendNumber(out, "\\fs", (to.SizeTwips + 5) / 10);
    for (const auto& [style, words] : StyleWords) {
        if ((changed & style) && (to.Style & style))
            out += words.first;
    }
    if (from.AutomaticColor != to.AutomaticColor || (!to.AutomaticColor && from.Rgb != to.Rgb))
        AppendNumber(out, "\\cf", to.AutomaticColor ? 0 : static_cast<std::int64_t>(tables.ColorNumber(to.Rgb)));
    out += ' ';
}

// The whole format is never shorter than "\\plain\\f0\\fs9 ".
constexpr std::size_t ShortestWholeFormat = 14;

// The shorter of the two ways, the whole format where they are as long;
// nothing where no property RTF states differs. The whole format is made
// only when the change is not clearly shorter (most runs change a style or
// two). The two scratch strings keep their room from run to run.
void AppendCharacterFormat(std::string& out, const TCharacterFormat* previous, const TCharacterFormat& format,
                           TTables& tables, std::string& whole, std::string& change) {
    if (previous) {
        change.clear();
        AppendFormatChange(change, *previous, format, tables);
        if (change == " ")
            return;
        if (change.size() < ShortestWholeFormat)
            return void(out += change);
    }
    whole.clear();
    AppendWholeCharacterFormat(whole, format, tables);
    out += previous && change.size() < whole.size() ? change : whole;
}

// Writes the paragraphs in pieces of about this size.
constexpr std::size_t PieceSize = 1 << 16;

class TBodyWriter {
public:
    // Pieces of pieceSize bytes go to the sink; without one, out keeps everything.
    TBodyWriter(TTables& tables, std::string& out, const TRichTextSink* sink)
        : m_tables(tables), m_out(out), m_sink(sink) {}

    // Formats carry on from paragraph to paragraph and from run to run, so
    // each is stated only where it changes; an empty line states the format
    // of its paragraph mark, which decides its height. True when a piece
    // went to the sink.
    bool Write(const TParagraphRuns& paragraph) {
        SetParagraph(*paragraph.Format);
        if (paragraph.Runs.empty() && !paragraph.IsLast)
            SetRun(*paragraph.MarkFormat);
        for (const TTextRun& run : paragraph.Runs) {
            SetRun(*run.Format);
            AppendText(m_out, run.Text);
        }
        if (!paragraph.IsLast)
            m_out += "\\par\r\n";
        if (!m_sink || m_out.size() < PieceSize)
            return false;
        (*m_sink)(m_out);
        m_out.clear();
        return true;
    }

private:
    void SetRun(const TCharacterFormat& format) {
        if (m_lastRun && *m_lastRun == format)
            return;
        AppendCharacterFormat(m_out, m_lastRun ? &*m_lastRun : nullptr, format, m_tables, m_whole, m_change);
        m_lastRun = format;
    }

    // What RTF says of a paragraph: its alignment and indent.
    void SetParagraph(const TParagraphFormat& format) {
        if (m_lastParagraph && m_lastParagraph->Alignment == format.Alignment &&
            m_lastParagraph->FirstLineIndentTwips == format.FirstLineIndentTwips)
            return;
        m_lastParagraph = format;
        AppendParagraphFormat(m_out, format);
    }

    TTables& m_tables;
    std::string& m_out;
    const TRichTextSink* m_sink;
    std::optional<TCharacterFormat> m_lastRun;
    std::optional<TParagraphFormat> m_lastParagraph;
    std::string m_whole;
    std::string m_change;
};

} // namespace

void WriteRichText(const TRichDocument& document, const TRichTextSink& sink) {
    WriteRichText(document, sink, {});
}

namespace {

// The whole document into out, which goes to the sink, if there is one, a
// piece at a time.
bool WriteRichTextInto(std::string& out, const TRichDocument& document, const TRichTextSink* sink,
                       const TWriteProgress& progress) {
    TTables tables(document);
    out += "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1\r\n";
    tables.AppendTo(out);
    TBodyWriter body(tables, out, sink);
    std::size_t written = 0;
    bool going = true;
    ForEachParagraph(document, [&](const TParagraphRuns& paragraph) {
        ++written;
        if (body.Write(paragraph) && progress)
            going = progress(written);
        return going;
    });
    if (!going)
        return false;
    out += "}\r\n";
    if (sink)
        (*sink)(out);
    return !progress || progress(written);
}

} // namespace

bool WriteRichText(const TRichDocument& document, const TRichTextSink& sink, const TWriteProgress& progress) {
    std::string out;
    out.reserve(PieceSize + 1024);
    return WriteRichTextInto(out, document, &sink, progress);
}

// Written straight into the string that is returned, with no piece copied.
std::string RichText(const TRichDocument& document) {
    std::string whole;
    whole.reserve(2 * document.Text().size() + 256);
    WriteRichTextInto(whole, document, nullptr, {});
    return whole;
}
