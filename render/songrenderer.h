#pragma once

#include "library/artist.h"
#include "render/document.h"
#include "render/styleslots.h"

#include <cstddef>
#include <functional>
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

// Told after each song; false stops the rendering there.
using TKeepRendering = std::function<bool(std::size_t songsDone)>;
// The same, for a songbook the user waits for; false when stopped.
bool RenderArtist(const TArtist& artist, TRichDocument& document, const TRenderStyle& style,
                  const TKeepRendering& keepRendering);

void Render(const TNormal& paragraph, TRichDocument& document, const TRenderStyle& style);
void Render(const TVerse& paragraph, TRichDocument& document, const TRenderStyle& style);
void Render(const TDefVerse& paragraph, TRichDocument& document, const TRenderStyle& style);
void Render(const TChords& paragraph, TRichDocument& document, const TRenderStyle& style);
void Render(const TTab& paragraph, TRichDocument& document, const TRenderStyle& style);
void Render(const TDetails& paragraph, TRichDocument& document, const TRenderStyle& style);
