#include "render/songrenderer.h"

#include "render/styleslots.h"

#include <array>
#include <utility>

namespace {

// The document a song goes into, with the formats of the six slots made
// once a rendering: each line takes its slot's whole format at once, as
// ApplyStyleSlot would set it (which took a third of the time, made again
// for every line), and a line in the slot of the line before takes it as
// it is.
class TSongLines {
public:
    TSongLines(TRichDocument& document, const TRenderStyle& style) : m_document(document) {
        for (TStyleSlot slot = 0; slot < StyleSlot::Count; ++slot)
            m_formats[static_cast<std::size_t>(slot)] = SlotFormat(slot, style);
    }

    void Append(TStyleSlot slot, std::string_view text) {
        if (slot != m_slotAtCaret) {
            // Set on a selection, the format is not the one the line takes.
            m_slotAtCaret = m_document.GetSelectionLength() == 0 ? slot : NoSlot;
            m_document.SetSelectionFormat(m_formats.at(static_cast<std::size_t>(slot)));
        }
        m_document.AppendLine(text);
    }
    TRichDocument& Document() const { return m_document; }

private:
    static constexpr TStyleSlot NoSlot = -1;

    TRichDocument& m_document;
    std::array<TCharacterFormat, StyleSlot::Count> m_formats;
    TStyleSlot m_slotAtCaret = NoSlot;
};

template <class TKind> const TKind& ConvertParagraph(const TParagraph& paragraph) {
    const auto* converted = dynamic_cast<const TKind*>(&paragraph);
    if (!converted)
        throw TInvalidConversion();
    return *converted;
}

// The lines of a paragraph after its first are tied to the one before: a
// page keeps a verse whole when the user asks for it.
void AppendInVerse(bool first, TStyleSlot slot, std::string_view text, TSongLines& lines) {
    if (!first)
        lines.Document().KeepLastLineWithNext(TKeepWithNext::Verse);
    lines.Append(slot, text);
}

void RenderEveryLine(const TParagraph& paragraph, TStyleSlot slot, TSongLines& lines) {
    bool first = true;
    for (std::string_view line : paragraph.Lines)
        AppendInVerse(std::exchange(first, false), slot, line, lines);
}

// A line in the Chords slot as the change (if any) shows it.
void AppendChordLine(const TParagraph& paragraph, std::size_t position, std::string_view line, TSongLines& lines,
                     const TSongChange* change) {
    if (change)
        lines.Append(StyleSlot::Chords, change->ChordLine(paragraph, position, line));
    else
        lines.Append(StyleSlot::Chords, line);
}

void RenderChords(const TChords& paragraph, TSongLines& lines, const TSongChange* change) {
    std::size_t position = 0;
    for (std::string_view line : paragraph.Lines) {
        if (position > 0)
            lines.Document().KeepLastLineWithNext(TKeepWithNext::Verse);
        AppendChordLine(paragraph, position++, line, lines, change);
    }
}

// Chord lines and text lines alternate; an empty line is skipped but still
// counts, so it swaps the slots of the pair after it. A chord line never
// ends a page: it belongs to the line under it.
void RenderDefVerse(const TDefVerse& paragraph, TSongLines& lines, const TSongChange* change) {
    std::size_t position = 0;
    bool first = true;
    bool afterChords = false;
    for (std::string_view line : paragraph.Lines) {
        const std::size_t at = position++;
        const bool chords = InChordPosition(paragraph.Kind, at);
        if (line.empty())
            continue;
        if (!std::exchange(first, false))
            lines.Document().KeepLastLineWithNext(afterChords ? TKeepWithNext::Always : TKeepWithNext::Verse);
        if (chords)
            AppendChordLine(paragraph, at, line, lines, change);
        else
            lines.Append(StyleSlot::Verse, line);
        afterChords = chords;
    }
}

void RenderDetails(const TDetails& paragraph, TSongLines& lines) {
    bool first = true;
    for (std::string_view line : paragraph.Lines) {
        const bool firstLine = std::exchange(first, false);
        AppendInVerse(firstLine, firstLine ? StyleSlot::Normal : StyleSlot::Chords, line, lines);
    }
}

void RenderParagraph(const TParagraph& paragraph, TSongLines& lines, const TSongChange* change) {
    switch (paragraph.Kind) {
    case TNormal::KindNumber:
        return RenderEveryLine(ConvertParagraph<TNormal>(paragraph), StyleSlot::Normal, lines);
    case TVerse::KindNumber:
        return RenderEveryLine(ConvertParagraph<TVerse>(paragraph), StyleSlot::Verse, lines);
    case TDefVerse::KindNumber:
        return RenderDefVerse(ConvertParagraph<TDefVerse>(paragraph), lines, change);
    case TChords::KindNumber:
        return RenderChords(ConvertParagraph<TChords>(paragraph), lines, change);
    case TTab::KindNumber:
        return RenderEveryLine(ConvertParagraph<TTab>(paragraph), StyleSlot::Tab, lines);
    case TDetails::KindNumber:
        return RenderDetails(ConvertParagraph<TDetails>(paragraph), lines);
    default:
        return;
    }
}

void RenderSong(const TSong& song, TSongLines& lines, TSongChange* change) {
    TRichDocument& document = lines.Document();
    document.SetFirstLineIndent(1);
    document.SetParagraphAlignment(TAlignment::Left);
    lines.Append(StyleSlot::Normal, {});
    document.SetParagraphAlignment(TAlignment::Center);
    // The header, and what comes before the first line of the song, are tied
    // to that line: a title never stays alone at the foot of a page.
    const auto appendInHeader = [&](TStyleSlot slot, std::string_view text) {
        lines.Append(slot, text);
        document.KeepLastLineWithNext(TKeepWithNext::Header);
    };
    appendInHeader(StyleSlot::Title, SongArtistName(song));
    appendInHeader(StyleSlot::Title, song.Title);
    if (!song.Authors.empty())
        appendInHeader(StyleSlot::Authors, song.Authors);
    if (change)
        change->StartSong(song);
    if (const std::string note = change ? change->NoteLine() : std::string(); !note.empty()) {
        document.SetParagraphAlignment(TAlignment::Left);
        appendInHeader(StyleSlot::Normal, {});
        appendInHeader(StyleSlot::Normal, note);
    }
    bool first = true;
    for (const TParagraph* paragraph = song.FirstParagraph.get(); paragraph; paragraph = paragraph->Next.get()) {
        document.SetParagraphAlignment(TAlignment::Left);
        if (std::exchange(first, false))
            appendInHeader(StyleSlot::Normal, {});
        else
            lines.Append(StyleSlot::Normal, {});
        RenderParagraph(*paragraph, lines, change);
    }
}

bool RenderArtist(const TArtist& artist, TRichDocument& document, const TRenderStyle& style,
                  const TKeepRendering& keepRendering, TSongChange* change) {
    document.Reserve(artist.TextSize());
    TSongLines lines(document, style);
    std::size_t done = 0;
    for (const TSong* song = artist.FirstSong.get(); song; song = song->Next.get()) {
        RenderSong(*song, lines, change);
        if (!keepRendering(++done))
            return false;
    }
    return true;
}

bool KeepAll(std::size_t) {
    return true;
}

// What one call renders, in the slots' formats made for it.
template <class Render> void InSlots(TRichDocument& document, const TRenderStyle& style, const Render& render) {
    TSongLines lines(document, style);
    render(lines);
}

} // namespace

void Render(const TNormal& paragraph, TRichDocument& document, const TRenderStyle& style) {
    InSlots(document, style, [&](TSongLines& lines) { RenderEveryLine(paragraph, StyleSlot::Normal, lines); });
}
void Render(const TVerse& paragraph, TRichDocument& document, const TRenderStyle& style) {
    InSlots(document, style, [&](TSongLines& lines) { RenderEveryLine(paragraph, StyleSlot::Verse, lines); });
}
void Render(const TChords& paragraph, TRichDocument& document, const TRenderStyle& style, const TSongChange* change) {
    InSlots(document, style, [&](TSongLines& lines) { RenderChords(paragraph, lines, change); });
}
void Render(const TTab& paragraph, TRichDocument& document, const TRenderStyle& style) {
    InSlots(document, style, [&](TSongLines& lines) { RenderEveryLine(paragraph, StyleSlot::Tab, lines); });
}
void Render(const TDefVerse& paragraph, TRichDocument& document, const TRenderStyle& style, const TSongChange* change) {
    InSlots(document, style, [&](TSongLines& lines) { RenderDefVerse(paragraph, lines, change); });
}
void Render(const TDetails& paragraph, TRichDocument& document, const TRenderStyle& style) {
    InSlots(document, style, [&](TSongLines& lines) { RenderDetails(paragraph, lines); });
}

void RenderSong(const TSong& song, TRichDocument& document, const TRenderStyle& style) {
    InSlots(document, style, [&](TSongLines& lines) { RenderSong(song, lines, nullptr); });
}

void RenderSong(const TSong& song, TRichDocument& document, const TRenderStyle& style, TSongChange& change) {
    InSlots(document, style, [&](TSongLines& lines) { RenderSong(song, lines, &change); });
}

void RenderArtist(const TArtist& artist, TRichDocument& document, const TRenderStyle& style) {
    RenderArtist(artist, document, style, KeepAll, nullptr);
}

void RenderArtist(const TArtist& artist, TRichDocument& document, const TRenderStyle& style, TSongChange& change) {
    RenderArtist(artist, document, style, KeepAll, &change);
}

bool RenderArtist(const TArtist& artist, TRichDocument& document, const TRenderStyle& style,
                  const TKeepRendering& keepRendering) {
    return RenderArtist(artist, document, style, keepRendering, nullptr);
}

bool RenderArtist(const TArtist& artist, TRichDocument& document, const TRenderStyle& style, TSongChange& change,
                  const TKeepRendering& keepRendering) {
    return RenderArtist(artist, document, style, keepRendering, &change);
}
