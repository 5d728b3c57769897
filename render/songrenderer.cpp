#include "render/songrenderer.h"

#include "render/styleslots.h"

namespace {

template <class TKind> const TKind& ConvertParagraph(const TParagraph& paragraph) {
    const auto* converted = dynamic_cast<const TKind*>(&paragraph);
    if (!converted)
        throw TInvalidConversion();
    return *converted;
}

void AppendInSlot(TStyleSlot slot, std::string_view text, TRichDocument& document) {
    ApplyStyleSlot(slot, document);
    document.AppendLine(text);
}

void RenderEveryLine(const TParagraph& paragraph, TStyleSlot slot, TRichDocument& document) {
    for (std::string_view line : paragraph.Lines)
        AppendInSlot(slot, line, document);
}

void RenderParagraph(const TParagraph& paragraph, TRichDocument& document) {
    switch (paragraph.Kind) {
    case TNormal::KindNumber:
        return Render(ConvertParagraph<TNormal>(paragraph), document);
    case TVerse::KindNumber:
        return Render(ConvertParagraph<TVerse>(paragraph), document);
    case TDefVerse::KindNumber:
        return Render(ConvertParagraph<TDefVerse>(paragraph), document);
    case TChords::KindNumber:
        return Render(ConvertParagraph<TChords>(paragraph), document);
    case TTab::KindNumber:
        return Render(ConvertParagraph<TTab>(paragraph), document);
    case TDetails::KindNumber:
        return Render(ConvertParagraph<TDetails>(paragraph), document);
    default:
        return;
    }
}

} // namespace

void Render(const TNormal& paragraph, TRichDocument& document) {
    RenderEveryLine(paragraph, StyleSlot::Normal, document);
}
void Render(const TVerse& paragraph, TRichDocument& document) {
    RenderEveryLine(paragraph, StyleSlot::Verse, document);
}
void Render(const TChords& paragraph, TRichDocument& document) {
    RenderEveryLine(paragraph, StyleSlot::Chords, document);
}
void Render(const TTab& paragraph, TRichDocument& document) {
    RenderEveryLine(paragraph, StyleSlot::Tab, document);
}

// Chord lines and text lines alternate; an empty line is skipped but still
// counts, so it swaps the slots of the pair after it.
void Render(const TDefVerse& paragraph, TRichDocument& document) {
    std::size_t position = 0;
    for (std::string_view line : paragraph.Lines) {
        if (!line.empty())
            AppendInSlot(position % 2 == 0 ? StyleSlot::Chords : StyleSlot::Verse, line, document);
        ++position;
    }
}

void Render(const TDetails& paragraph, TRichDocument& document) {
    std::size_t position = 0;
    for (std::string_view line : paragraph.Lines)
        AppendInSlot(position++ == 0 ? StyleSlot::Normal : StyleSlot::Chords, line, document);
}

void RenderSong(const TSong& song, TRichDocument& document) {
    document.SetFirstLineIndent(1);
    document.SetParagraphAlignment(TAlignment::Left);
    AppendInSlot(StyleSlot::Normal, {}, document);
    document.SetParagraphAlignment(TAlignment::Center);
    AppendInSlot(StyleSlot::Title, SongArtistName(song), document);
    AppendInSlot(StyleSlot::Title, song.Title, document);
    if (!song.Authors.empty())
        AppendInSlot(StyleSlot::Authors, song.Authors, document);
    for (const TParagraph* paragraph = song.FirstParagraph.get(); paragraph; paragraph = paragraph->Next.get()) {
        document.SetParagraphAlignment(TAlignment::Left);
        AppendInSlot(StyleSlot::Normal, {}, document);
        RenderParagraph(*paragraph, document);
    }
}

void RenderArtist(const TArtist& artist, TRichDocument& document) {
    for (const TSong* song = artist.FirstSong.get(); song; song = song->Next.get())
        RenderSong(*song, document);
}
