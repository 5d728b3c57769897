#pragma once

#include "library/artist.h"
#include "render/document.h"
#include "render/styleslots.h"

#include <stdexcept>

class TInvalidConversion : public std::runtime_error {
public:
    TInvalidConversion() : std::runtime_error("Invalid type conversion") {}
};

// Appends the song (a centred header, then each paragraph in its slots) to
// the document in the style's fonts. Never clears the document.
void RenderSong(const TSong& song, TRichDocument& document, const TRenderStyle& style);
// Every song of the artist in file order, one after another.
void RenderArtist(const TArtist& artist, TRichDocument& document, const TRenderStyle& style);

void Render(const TNormal& paragraph, TRichDocument& document, const TRenderStyle& style);
void Render(const TVerse& paragraph, TRichDocument& document, const TRenderStyle& style);
void Render(const TDefVerse& paragraph, TRichDocument& document, const TRenderStyle& style);
void Render(const TChords& paragraph, TRichDocument& document, const TRenderStyle& style);
void Render(const TTab& paragraph, TRichDocument& document, const TRenderStyle& style);
void Render(const TDetails& paragraph, TRichDocument& document, const TRenderStyle& style);
