#pragma once

#include "platform/byteescapes.h"
#include "render/document.h"

#include <cstddef>
#include <string>
#include <vector>

// How each byte of text is spelled in Rich Text: the longest spelling is ten
// bytes ("\u8482\'99").
using TRtfEscapes = TByteEscapes<16>;
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
