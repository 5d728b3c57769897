// A song file and six hostile font names, rendered and written as Rich Text:
// a strict reader gives back every font name and every character.

#include "fuzz/fuzzinput.h"
#include "library/artist.h"
#include "platform/codepage.h"
#include "render/rtfwriter.h"
#include "render/songrenderer.h"
#include "tests/support/strictrtfreader.h"

#include <fstream>

namespace {

std::u32string Unicode(std::string_view ansi) {
    std::u32string text;
    for (char c : ansi)
        text += AnsiToUnicode(c);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = ScratchPath("song.txt");
    const std::vector<std::string> parts = SplitInput(data, size, '\x1F', StyleSlot::Count + 1);
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << parts.back();
    }
    TStyleFonts fonts;
    for (TStyleSlot slot = 0; slot < StyleSlot::Count; ++slot) {
        fonts[static_cast<std::size_t>(slot)] = DefaultFont(slot);
        if (static_cast<std::size_t>(slot) + 1 < parts.size())
            fonts[static_cast<std::size_t>(slot)].Name = parts[static_cast<std::size_t>(slot)];
    }
    const TArtist artist(path);
    TRichDocument document(StandardPixelsPerInch);
    RenderArtist(artist, document, {fonts, StandardPixelsPerInch});
    const TStrictRtf read = ReadStrictRtf(RichText(document)); // throws, and so fails, on any stray byte
    Require(read.Text == Unicode(document.Text()));
    for (const std::u32string& font : read.Fonts) {
        bool used = font == U"Times New Roman"; // the format of an empty document
        for (const TFont& slotFont : fonts)
            used |= font == Unicode(slotFont.Name);
        Require(used);
    }
    return 0;
}
