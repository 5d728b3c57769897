#include "render/songrenderer.h"

#include "render/styleslots.h"

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

void RenderEveryLine(const TParagraph& paragraph, TStyleSlot slot, TRichDocument& document, const TRenderStyle& style) {
    for (std::string_view line : paragraph.Lines)
        AppendInSlot(slot, line, document, style);
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
    for (std::string_view line : paragraph.Lines)
        AppendChordLine(paragraph, position++, line, document, style, change);
}
void Render(const TTab& paragraph, TRichDocument& document, const TRenderStyle& style) {
    RenderEveryLine(paragraph, StyleSlot::Tab, document, style);
}

// Chord lines and text lines alternate; an empty line is skipped but still
// counts, so it swaps the slots of the pair after it.
void Render(const TDefVerse& paragraph, TRichDocument& document, const TRenderStyle& style, const TSongChange* change) {
    std::size_t position = 0;
    for (std::string_view line : paragraph.Lines) {
        if (!line.empty() && InChordPosition(paragraph.Kind, position))
            AppendChordLine(paragraph, position, line, document, style, change);
        else if (!line.empty())
            AppendInSlot(StyleSlot::Verse, line, document, style);
        ++position;
    }
}

void Render(const TDetails& paragraph, TRichDocument& document, const TRenderStyle& style) {
    std::size_t position = 0;
    for (std::string_view line : paragraph.Lines)
        AppendInSlot(position++ == 0 ? StyleSlot::Normal : StyleSlot::Chords, line, document, style);
}

namespace {

void RenderSong(const TSong& song, TRichDocument& document, const TRenderStyle& style, TSongChange* change) {
    document.SetFirstLineIndent(1);
    document.SetParagraphAlignment(TAlignment::Left);
    AppendInSlot(StyleSlot::Normal, {}, document, style);
    document.SetParagraphAlignment(TAlignment::Center);
    AppendInSlot(StyleSlot::Title, SongArtistName(song), document, style);
    AppendInSlot(StyleSlot::Title, song.Title, document, style);
    if (!song.Authors.empty())
        AppendInSlot(StyleSlot::Authors, song.Authors, document, style);
    if (change)
        change->StartSong(song);
    if (const std::string note = change ? change->NoteLine() : std::string(); !note.empty()) {
        document.SetParagraphAlignment(TAlignment::Left);
        AppendInSlot(StyleSlot::Normal, {}, document, style);
        AppendInSlot(StyleSlot::Normal, note, document, style);
    }
    for (const TParagraph* paragraph = song.FirstParagraph.get(); paragraph; paragraph = paragraph->Next.get()) {
        document.SetParagraphAlignment(TAlignment::Left);
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
