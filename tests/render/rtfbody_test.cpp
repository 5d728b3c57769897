#include "render/rtfformats.h"
#include "render/rtftables.h"
#include "render/rtfwriter.h"
#include "tests/support/songfixture.h"
#include "tests/support/strictrtfreader.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <stdexcept>
#include <vector>

namespace {

// The Unicode value iconv gives a byte of code page 1250; the five bytes
// 1250 leaves undefined are the C1 controls of the same number.
int UnicodeOf(unsigned char byte) {
    try {
        const std::string utf16 = Iconv(std::string(1, static_cast<char>(byte)), "CP1250", "UTF-16LE");
        return static_cast<unsigned char>(utf16[0]) | static_cast<unsigned char>(utf16[1]) << 8;
    } catch (const std::runtime_error&) {
        return byte;
    }
}

// A byte of text as our readers need it: RTF's specials escaped, tab and
// line break as control words, other controls in hex, and code-page bytes
// with their Unicode value (as a signed 16-bit number) and the byte itself.
std::string SpelledAlone(unsigned char byte) {
    const std::map<unsigned char, std::string> words = {
        {'\\', "\\\\"}, {'{', "\\{"}, {'}', "\\}"}, {'\t', "\\tab "}, {'\n', "\\line "}};
    if (const auto word = words.find(byte); word != words.end())
        return word->second;
    char code[8];
    std::snprintf(code, sizeof code, "\\'%02x", byte);
    if (byte < 0x20)
        return code;
    if (byte < 0x80)
        return std::string(1, static_cast<char>(byte));
    return "\\u" + std::to_string(static_cast<std::int16_t>(UnicodeOf(byte))) + code;
}

std::string Spelled(std::string_view text) {
    static const std::vector<std::string> spellings = [] {
        std::vector<std::string> all;
        for (int byte = 0; byte < 256; ++byte)
            all.push_back(SpelledAlone(static_cast<unsigned char>(byte)));
        return all;
    }();
    std::string spelled;
    for (char c : text)
        spelled += spellings[static_cast<unsigned char>(c)];
    return spelled;
}

std::string Escaped(std::string_view text) {
    std::string out = "@"; // what is there already stays
    RtfEscapes().Append(out, text);
    return out.substr(1);
}

// Each byte's spelling is copied whole (sixteen bytes), over what the bytes
// after it then write: every byte, at every place of a text of every short
// length, must come out as it would alone.
TEST(RtfText, EveryByteAtEveryPlaceIsSpelledAsItWouldBeAlone) {
    for (int byte = 0; byte < 256; ++byte) {
        for (std::size_t length = 1; length <= 19; ++length) {
            for (std::size_t place = 0; place < length; ++place) {
                std::string text(length, 'a');
                text[place] = static_cast<char>(byte);
                ASSERT_EQ(Spelled(text), Escaped(text)) << "byte " << byte << " at " << place << " of " << length;
            }
        }
    }
    EXPECT_EQ("", Escaped(""));
}

std::string Body(const std::string& rtf) {
    const std::size_t start = rtf.find("}\r\n", rtf.find("{\\colortbl")) + 3;
    return rtf.substr(start, rtf.size() - start - 3);
}

// A line much longer than a slice of text and than a piece handed to the
// sink is spelled whole, the same whole or in pieces.
TEST(RtfText, ALineLongerThanAPieceIsSpelledWhole) {
    std::string line;
    for (int i = 0; i < 20000; ++i)
        line += AnsiFromUtf8("Őszi {dal} \\ ") + std::to_string(i);
    TRichDocument document(StandardPixelsPerInch);
    document.AppendLine(line);
    const std::string rtf = RichText(document);
    EXPECT_EQ("\\pard\\ql\\fi0\\plain\\f0\\fs20 " + Spelled(line) + "\\par\r\n", Body(rtf));
    std::string pieces;
    std::size_t count = 0;
    WriteRichText(document, [&](std::string_view piece) { pieces += piece, ++count; });
    EXPECT_EQ(rtf, pieces);
    EXPECT_EQ(2u, count); // the paragraph, then the end
}

// Changes between a few formats are made once and then repeated; a document
// with more formats than are kept is written all the same. Lines in sizes of
// 8 to 8 + Count - 1 points, twice round: each line states its size alone.
TEST(RtfCharacterFormats, StateEachChangeOnceMadeOrNot) {
    constexpr int Count = 2 * TRtfCharacterFormats::Kept + 3;
    TRichDocument document(StandardPixelsPerInch);
    for (int round = 0; round < 2; ++round) {
        for (int size = 8; size < 8 + Count; ++size) {
            document.SetSelectionAttribute(TFontAttribute::Size, std::int64_t{size});
            document.AppendLine("L" + std::to_string(size));
        }
    }
    std::string expected = "\\pard\\ql\\fi0\\plain\\f0\\fs16 L8\\par\r\n";
    for (int line = 1; line < 2 * Count; ++line) {
        const int size = 8 + line % Count;
        expected += "\\fs" + std::to_string(2 * size) + " L" + std::to_string(size) + "\\par\r\n";
    }
    EXPECT_EQ(expected, Body(RichText(document)));
}

// The format the reader is in is known by value, not by where it is: a
// format met again after others states nothing where it is already in force.
TEST(RtfCharacterFormats, StateNothingForTheFormatInForce) {
    TRtfTables tables{TRichDocument(StandardPixelsPerInch)};
    TRtfCharacterFormats formats(tables);
    TCharacterFormat plain;
    TCharacterFormat bold;
    bold.Style = FontStyle::Bold;
    const TCharacterFormat plainAgain = plain;
    TCharacterFormat other[TRtfCharacterFormats::Kept + 1];
    for (std::size_t i = 0; i < std::size(other); ++i)
        other[i].SizeTwips = 300 + 20 * static_cast<std::int32_t>(i);

    EXPECT_EQ("\\plain\\f0\\fs20 ", formats.ChangeTo(plain));
    EXPECT_EQ("", formats.ChangeTo(plainAgain));
    EXPECT_EQ("\\b ", formats.ChangeTo(bold));
    EXPECT_EQ("\\b0 ", formats.ChangeTo(plainAgain));
    EXPECT_EQ("", formats.ChangeTo(plain));
    for (const TCharacterFormat& format : other) // the last of them are more than are kept
        EXPECT_EQ("\\fs" + std::to_string(format.SizeTwips / 10) + ' ', formats.ChangeTo(format));
    const TCharacterFormat lastAgain = other[TRtfCharacterFormats::Kept];
    EXPECT_EQ("", formats.ChangeTo(lastAgain));
    EXPECT_EQ("\\fs20 ", formats.ChangeTo(plain));
}

} // namespace
