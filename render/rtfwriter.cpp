#include "render/rtfwriter.h"

#include "render/paragraphwalk.h"
#include "render/rtfformats.h"
#include "render/rtftables.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

// Written in pieces of about this size.
constexpr std::size_t PieceSize = 1 << 16;
// Text is spelled this much at a time, so that the room made for it (up to
// ten bytes a byte) stays small beside what is written.
constexpr std::size_t TextSlice = 1 << 10;

// Rich Text made in a buffer through a pointer, with room made ahead once a
// slice of text rather than once a byte, and handed to the sink in pieces.
class TRtfOutput {
public:
    explicit TRtfOutput(const TRichTextSink& sink) : m_sink(sink) {}

    // Where the next bytes go, with room for at least this many.
    char* Room(std::size_t bytes) {
        if (bytes > m_size - m_used)
            Grow(bytes);
        return m_bytes.get() + m_used;
    }
    // What Room gave is written up to end.
    void Wrote(const char* end) { m_used = static_cast<std::size_t>(end - m_bytes.get()); }
    void Append(std::string_view bytes) {
        if (bytes.empty()) // most runs state no change of format, and their view is null
            return;
        std::memcpy(Room(bytes.size()), bytes.data(), bytes.size());
        m_used += bytes.size();
    }
    void AppendText(std::string_view text) {
        for (std::size_t start = 0; start < text.size(); start += TextSlice) {
            const std::string_view slice = text.substr(start, TextSlice);
            Wrote(m_escapes.Write(Room(m_escapes.RoomFor(slice.size())), slice));
        }
    }

    std::size_t Size() const { return m_used; }
    void Send() {
        m_sink({m_bytes.get(), m_used});
        m_used = 0;
    }

private:
    // Never zeroed: only what is written is read.
    void Grow(std::size_t bytes) {
        const std::size_t size = std::max({m_size * 2, PieceSize + PieceSize / 4, m_used + bytes});
        auto bigger = std::make_unique_for_overwrite<char[]>(size);
        if (m_used > 0)
            std::memcpy(bigger.get(), m_bytes.get(), m_used);
        m_bytes = std::move(bigger);
        m_size = size;
    }

    const TRichTextSink& m_sink;
    const TRtfEscapes& m_escapes = RtfEscapes();
    std::unique_ptr<char[]> m_bytes;
    std::size_t m_size = 0;
    std::size_t m_used = 0;
};

void AppendParagraphFormat(std::string& out, const TParagraphFormat& format) {
    out += format.Alignment == TAlignment::Center ? "\\pard\\qc" : "\\pard\\ql";
    AppendRtfNumber(out, "\\fi", format.FirstLineIndentTwips);
}

class TBodyWriter {
public:
    TBodyWriter(TRtfTables& tables, TRtfOutput& out) : m_formats(tables), m_out(out) {}

    // Formats carry on from paragraph to paragraph and from run to run, so
    // each is stated only where it changes; an empty line states the format
    // of its paragraph mark, which decides its height.
    void Write(const TParagraphRuns& paragraph) {
        SetParagraph(*paragraph.Format);
        if (paragraph.Runs.empty() && !paragraph.IsLast)
            m_out.Append(m_formats.ChangeTo(*paragraph.MarkFormat));
        for (const TTextRun& run : paragraph.Runs) {
            m_out.Append(m_formats.ChangeTo(*run.Format));
            m_out.AppendText(run.Text);
        }
        if (!paragraph.IsLast)
            m_out.Append("\\par\r\n");
    }

private:
    // What RTF says of a paragraph: its alignment and indent.
    void SetParagraph(const TParagraphFormat& format) {
        if (m_lastParagraph && m_lastParagraph->Alignment == format.Alignment &&
            m_lastParagraph->FirstLineIndentTwips == format.FirstLineIndentTwips)
            return;
        m_lastParagraph = &format;
        m_paragraphFormat.clear();
        AppendParagraphFormat(m_paragraphFormat, format);
        m_out.Append(m_paragraphFormat);
    }

    TRtfCharacterFormats m_formats;
    TRtfOutput& m_out;
    const TParagraphFormat* m_lastParagraph = nullptr;
    std::string m_paragraphFormat;
};

} // namespace

void WriteRichText(const TRichDocument& document, const TRichTextSink& sink) {
    WriteRichText(document, sink, {});
}

// A piece goes to the sink, and the progress is told, after the paragraph
// that fills it.
bool WriteRichText(const TRichDocument& document, const TRichTextSink& sink, const TWriteProgress& progress) {
    TRtfTables tables(document);
    std::string header = "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1\r\n";
    tables.AppendTo(header);
    TRtfOutput out(sink);
    out.Append(header);
    TBodyWriter body(tables, out);
    std::size_t written = 0;
    bool going = true;
    ForEachParagraph(document, [&](const TParagraphRuns& paragraph) {
        ++written;
        body.Write(paragraph);
        if (out.Size() < PieceSize)
            return true;
        out.Send();
        return going = !progress || progress(written);
    });
    if (!going)
        return false;
    out.Append("}\r\n");
    out.Send();
    return !progress || progress(written);
}

std::string RichText(const TRichDocument& document) {
    std::string whole;
    // Songs in Hungarian take about twice their text: with room for three the string does not move as it grows.
    whole.reserve(3 * document.Text().size() + 256);
    WriteRichText(document, [&whole](std::string_view piece) { whole += piece; });
    return whole;
}
