#pragma once

#include "library/artist.h"
#include "render/document.h"
#include "render/styleslots.h"

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

class TInvalidConversion : public std::runtime_error {
public:
    TInvalidConversion() : std::runtime_error("Invalid type conversion") {}
};

// A song shown changed, e.g. in another key: told of each song before its
// lines, it may add a line under the header and rewrite the lines rendered in
// the Chords slot from verses with chords and from chords paragraphs (details
// and tablature are never handed to it).
class TSongChange {
public:
    virtual ~TSongChange() = default;
    virtual void StartSong(const TSong& song) = 0;
    // Shown in the Normal slot as the song's first paragraph; empty for none.
    virtual std::string NoteLine() const = 0;
    // The line at position (counting every line of the paragraph) as shown.
    virtual std::string ChordLine(const TParagraph& paragraph, std::size_t position, std::string_view line) const = 0;
};

// Appends the song (a centred header, then each paragraph in its slots) to
// the document in the style's fonts. Never clears the document.
void RenderSong(const TSong& song, TRichDocument& document, const TRenderStyle& style);
void RenderSong(const TSong& song, TRichDocument& document, const TRenderStyle& style, TSongChange& change);
// Every song of the artist in file order, one after another.
void RenderArtist(const TArtist& artist, TRichDocument& document, const TRenderStyle& style);
void RenderArtist(const TArtist& artist, TRichDocument& document, const TRenderStyle& style, TSongChange& change);

// Told after each song; false stops the rendering there.
using TKeepRendering = std::function<bool(std::size_t songsDone)>;
// The same, for a songbook the user waits for; false when stopped.
bool RenderArtist(const TArtist& artist, TRichDocument& document, const TRenderStyle& style,
                  const TKeepRendering& keepRendering);
bool RenderArtist(const TArtist& artist, TRichDocument& document, const TRenderStyle& style, TSongChange& change,
                  const TKeepRendering& keepRendering);

// Each paragraph kind in its slots; change, when given, rewrites the chord lines.
void Render(const TNormal& paragraph, TRichDocument& document, const TRenderStyle& style);
void Render(const TVerse& paragraph, TRichDocument& document, const TRenderStyle& style);
void Render(const TDefVerse& paragraph, TRichDocument& document, const TRenderStyle& style,
            const TSongChange* change = nullptr);
void Render(const TChords& paragraph, TRichDocument& document, const TRenderStyle& style,
            const TSongChange* change = nullptr);
void Render(const TTab& paragraph, TRichDocument& document, const TRenderStyle& style);
void Render(const TDetails& paragraph, TRichDocument& document, const TRenderStyle& style);
