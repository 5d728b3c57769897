#pragma once

#include "platform/byteescapes.h"
#include "render/document.h"

#include <cstddef>
#include <string>
#include <vector>

// The bytes of text that Rich Text spells otherwise: control characters,
// backslashes, braces and all above 0x7F. Everything from '{' up is marked,
// '|', '~' and DEL (spelled as themselves) with the braces: that takes
// fewer steps than the braces one by one.
constexpr std::uint64_t MarkRtfBytes(std::uint64_t eight) {
    constexpr std::uint64_t Ones = 0x0101010101010101;
    const std::uint64_t backslashes = eight ^ (Ones * '\\');
    return (eight | (eight + Ones * (0x80 - '{')) | ((eight - Ones * 0x20) & ~eight) |
            ((backslashes - Ones) & ~backslashes)) &
           (Ones * 0x80);
}

// How each byte of text is spelled in Rich Text: the longest spelling is ten
// bytes ("\u8482\'99").
using TRtfEscapes = TByteEscapes<16, MarkRtfBytes>;
const TRtfEscapes& RtfEscapes();

// Fonts and colours numbered in the order the document first uses them.
class TRtfTables {
public:
    explicit TRtfTables(const TRichDocument& document);

    std::size_t FontNumber(const std::string& face);
    // 0 is the automatic colour.
    std::size_t ColorNumber(TColor rgb);

    // The font and colour tables of the header.
    void AppendTo(std::string& out) const;

private:
    std::vector<std::string> m_fonts;
    std::vector<TColor> m_colors;
};

void AppendRtfNumber(std::string& out, std::string_view word, std::int64_t number);
