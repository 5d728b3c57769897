#include "render/songrenderer.h"

#include "render/styleslots.h"

#include <utility>

namespace {

template <class TKind> const TKind& ConvertParagraph(const TParagraph& paragraph) {
    const auto* converted = dynamic_cast<const TKind*>(&paragraph);
    if (!converted)
        throw TInvalidConversion();
    return *converted;
}

void AppendInSlot(TStyleSlot slot, std::string_view text, TRichDocument& document, const TRenderStyle& style) {
    ApplyStyleSlot(slot, document, style);
    document.AppendLine(text);
}

// The lines of a paragraph after its first are tied to the one before: a
// page keeps a verse whole when the user asks for it.
void AppendInVerse(bool first, TStyleSlot slot, std::string_view text, TRichDocument& document,
                   const TRenderStyle& style) {
    if (!first)
        document.KeepLastLineWithNext(TKeepWithNext::Verse);
    AppendInSlot(slot, text, document, style);
}

void RenderEveryLine(const TParagraph& paragraph, TStyleSlot slot, TRichDocument& document, const TRenderStyle& style) {
    bool first = true;
    for (std::string_view line : paragraph.Lines)
        AppendInVerse(std::exchange(first, false), slot, line, document, style);
}

// A line in the Chords slot as the change (if any) shows it.
void AppendChordLine(const TParagraph& paragraph, std::size_t position, std::string_view line, TRichDocument& document,
                     const TRenderStyle& style, const TSongChange* change) {
    if (change)
        AppendInSlot(StyleSlot::Chords, change->ChordLine(paragraph, position, line), document, style);
    else
        AppendInSlot(StyleSlot::Chords, line, document, style);
}

void RenderParagraph(const TParagraph& paragraph, TRichDocument& document, const TRenderStyle& style,
                     const TSongChange* change) {
    switch (paragraph.Kind) {
    case TNormal::KindNumber:
        return Render(ConvertParagraph<TNormal>(paragraph), document, style);
    case TVerse::KindNumber:
        return Render(ConvertParagraph<TVerse>(paragraph), document, style);
    case TDefVerse::KindNumber:
        return Render(ConvertParagraph<TDefVerse>(paragraph), document, style, change);
    case TChords::KindNumber:
        return Render(ConvertParagraph<TChords>(paragraph), document, style, change);
    case TTab::KindNumber:
        return Render(ConvertParagraph<TTab>(paragraph), document, style);
    case TDetails::KindNumber:
        return Render(ConvertParagraph<TDetails>(paragraph), document, style);
    default:
        return;
    }
}

} // namespace

void Render(const TNormal& paragraph, TRichDocument& document, const TRenderStyle& style) {
    RenderEveryLine(paragraph, StyleSlot::Normal, document, style);
}
void Render(const TVerse& paragraph, TRichDocument& document, const TRenderStyle& style) {
    RenderEveryLine(paragraph, StyleSlot::Verse, document, style);
}
void Render(const TChords& paragraph, TRichDocument& document, const TRenderStyle& style, const TSongChange* change) {
    std::size_t position = 0;
    for (std::string_view line : paragraph.Lines) {
        if (position > 0)
            document.KeepLastLineWithNext(TKeepWithNext::Verse);
        AppendChordLine(paragraph, position++, line, document, style, change);
    }
}
void Render(const TTab& paragraph, TRichDocument& document, const TRenderStyle& style) {
    RenderEveryLine(paragraph, StyleSlot::Tab, document, style);
}

// Chord lines and text lines alternate; an empty line is skipped but still
// counts, so it swaps the slots of the pair after it. A chord line never
// ends a page: it belongs to the line under it.
void Render(const TDefVerse& paragraph, TRichDocument& document, const TRenderStyle& style, const TSongChange* change) {
    std::size_t position = 0;
    bool first = true;
    bool afterChords = false;
    for (std::string_view line : paragraph.Lines) {
        const std::size_t at = position++;
        const bool chords = InChordPosition(paragraph.Kind, at);
        if (line.empty())
            continue;
        if (!std::exchange(first, false))
            document.KeepLastLineWithNext(afterChords ? TKeepWithNext::Always : TKeepWithNext::Verse);
        if (chords)
            AppendChordLine(paragraph, at, line, document, style, change);
        else
            AppendInSlot(StyleSlot::Verse, line, document, style);
        afterChords = chords;
    }
}

void Render(const TDetails& paragraph, TRichDocument& document, const TRenderStyle& style) {
    bool first = true;
    for (std::string_view line : paragraph.Lines) {
        const bool firstLine = std::exchange(first, false);
        AppendInVerse(firstLine, firstLine ? StyleSlot::Normal : StyleSlot::Chords, line, document, style);
    }
}

namespace {

void RenderSong(const TSong& song, TRichDocument& document, const TRenderStyle& style, TSongChange* change) {
    document.SetFirstLineIndent(1);
    document.SetParagraphAlignment(TAlignment::Left);
    AppendInSlot(StyleSlot::Normal, {}, document, style);
    document.SetParagraphAlignment(TAlignment::Center);
    // The header, and what comes before the first line of the song, are tied
    // to that line: a title never stays alone at the foot of a page.
    const auto appendInHeader = [&](TStyleSlot slot, std::string_view text) {
        AppendInSlot(slot, text, document, style);
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
            AppendInSlot(StyleSlot::Normal, {}, document, style);
        RenderParagraph(*paragraph, document, style, change);
    }
}

bool RenderArtist(const TArtist& artist, TRichDocument& document, const TRenderStyle& style,
                  const TKeepRendering& keepRendering, TSongChange* change) {
    document.Reserve(artist.TextSize());
    std::size_t done = 0;
    for (const TSong* song = artist.FirstSong.get(); song; song = song->Next.get()) {
        RenderSong(*song, document, style, change);
        if (!keepRendering(++done))
            return false;
    }
    return true;
}

bool KeepAll(std::size_t) {
    return true;
}

} // namespace

void RenderSong(const TSong& song, TRichDocument& document, const TRenderStyle& style) {
    RenderSong(song, document, style, nullptr);
}

void RenderSong(const TSong& song, TRichDocument& document, const TRenderStyle& style, TSongChange& change) {
    RenderSong(song, document, style, &change);
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
