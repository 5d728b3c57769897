#include "library/loader.h"
#include "platform/codepage.h"
#include "render/rtfwriter.h"
#include "render/songrenderer.h"
#include "tests/support/externaltool.h"
#include "tests/support/songfixture.h"
#include "tests/support/strictrtfreader.h"
#include "tests/support/tempdirectory.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#ifndef _WIN32
#include "tests/support/filesizelimit.h"
#endif

namespace {

void SetNumber(TRichDocument& document, TFontAttribute attribute, std::int64_t value) {
    document.SetSelectionAttribute(attribute, value);
}

// The exact bytes are the contract with every reader: check them once in full.
TEST(RichText, WritesHeaderTablesAndEachFormatWhereItChanges) {
    TRichDocument document(StandardPixelsPerInch);
    document.SetSelectionAttribute(TFontAttribute::Name, std::string("Times New Roman"));
    SetNumber(document, TFontAttribute::Size, 24);
    SetNumber(document, TFontAttribute::Style, FontStyle::Bold | FontStyle::Underline);
    SetNumber(document, TFontAttribute::Color, 0x0000FF); // red
    document.SetParagraphAlignment(TAlignment::Center);
    document.SetFirstLineIndent(1);
    document.AppendLine(AnsiFromUtf8("Őszi {dal} \\"));
    document.SetSelectionAttribute(TFontAttribute::Name, std::string("Courier New"));
    SetNumber(document, TFontAttribute::Size, 9);
    SetNumber(document, TFontAttribute::Style, FontStyle::Italic | FontStyle::StrikeOut);
    SetNumber(document, TFontAttribute::Color, 0x80000008); // window text: automatic
    document.SetParagraphAlignment(TAlignment::Left);
    document.AppendLine("a\tb\nc");
    document.AppendLine("d"); // as the line before it: nothing to state
    document.AppendLine("");

    EXPECT_EQ("{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1\r\n"
              "{\\fonttbl{\\f0\\fnil\\fcharset238\\fprq0 Times New Roman;}"
              "{\\f1\\fnil\\fcharset238\\fprq0 Courier New;}}\r\n"
              "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
              "\\pard\\qc\\fi20\\plain\\f0\\fs48\\b\\ul\\cf1 \\u336\\'d5szi \\{dal\\} \\\\\\par\r\n"
              "\\pard\\ql\\fi20\\plain\\f1\\fs18\\i\\strike a\\tab b\\line c\\par\r\n"
              "d\\par\r\n"
              "\\par\r\n"
              "}\r\n",
              RichText(document));
}

TEST(RichText, SplitsAParagraphWhereItsFormatChanges) {
    TRichDocument document(StandardPixelsPerInch);
    document.AppendLine("abcd");
    document.SetSelectionStart(1);
    document.SetSelectionLength(2);
    SetNumber(document, TFontAttribute::Style, FontStyle::Bold);
    SetNumber(document, TFontAttribute::Color, 0x00FF00);
    const std::string rtf = RichText(document);
    EXPECT_NE(std::string::npos, rtf.find("\\plain\\f0\\fs20 a\\b\\cf1 bc\\b0\\cf0 d\\par")) << rtf;
    EXPECT_NE(std::string::npos, rtf.find("{\\colortbl ;\\red0\\green255\\blue0;}")) << rtf;
}

TEST(RichText, AnEmptyDocumentIsStillAValidFile) {
    EXPECT_EQ("{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1\r\n"
              "{\\fonttbl{\\f0\\fnil\\fcharset238\\fprq0 Times New Roman;}}\r\n"
              "{\\colortbl ;}\r\n"
              "\\pard\\ql\\fi0}\r\n",
              RichText(TRichDocument(StandardPixelsPerInch)));
}

// A run states only what differs from the run before: every style turned on
// and off again, next to a change of size, must read back as written.
TEST(RichTextReaders, PandocReadsEveryStyleAsItComesAndGoes) {
    SKIP_WITHOUT_DEBIAN_TOOLS();
    const std::vector<std::pair<std::string, std::int32_t>> words = {
        {"sima", 0},
        {"vastag", FontStyle::Bold},
        {"mindketto", FontStyle::Bold | FontStyle::Italic},
        {"dolt", FontStyle::Italic},
        {"athuzott", FontStyle::StrikeOut},
        {"alahuzott", FontStyle::Underline},
        {"vege", 0},
    };
    TRichDocument document(StandardPixelsPerInch);
    std::string line;
    for (const auto& [word, style] : words)
        line += word + " ";
    document.AppendLine(line);
    std::size_t start = 0;
    for (const auto& [word, style] : words) {
        document.SetSelectionStart(start);
        document.SetSelectionLength(word.size());
        SetNumber(document, TFontAttribute::Style, style);
        SetNumber(document, TFontAttribute::Size, 8 + static_cast<int>(start % 3));
        start += word.size() + 1;
    }
    TTempDirectory folder;
    document.SaveRichTextFile(folder / "dal.rtf");
    EXPECT_EQ("sima **vastag** ***mindketto*** *dolt* ~~athuzott~~ [alahuzott]{.underline} vege\n",
              RunTool("pandoc -f rtf -t markdown --wrap=none " + ShellQuoted(folder / "dal.rtf")))
        << ReadBytes(folder / "dal.rtf");
}

// Every letter of code page 1250, and the characters RTF treats specially.
const std::string EveryLetter = "ÁÉÍÓÖŐÚÜŰ áéíóöőúüű ČčŠšŽžŁłŃńŘřŤťŮůĽľŔŕĚěĎďŇňĆćŹźŻżĄąĘę ß€„”–—§°";
const std::string Specials = "{kapcsos} \\per\\ «idézet»";

std::string SavedWith(const TTempDirectory& folder, const std::vector<std::string>& utf8Lines) {
    TRichDocument document(StandardPixelsPerInch);
    for (const std::string& line : utf8Lines)
        document.AppendLine(AnsiFromUtf8(line));
    const std::string path = folder / "dal.rtf";
    document.SaveRichTextFile(path);
    return path;
}

TEST(RichTextReaders, PandocReadsBackEveryHungarianLetter) {
    SKIP_WITHOUT_DEBIAN_TOOLS();
    TTempDirectory folder;
    const std::string path = SavedWith(folder, {EveryLetter, Specials});
    EXPECT_EQ(EveryLetter + "\n\n" + Specials + "\n",
              RunTool("pandoc -f rtf -t plain --wrap=none " + ShellQuoted(path)));
}

TEST(RichTextReaders, UnrtfReadsBackEveryHungarianLetter) {
    SKIP_WITHOUT_DEBIAN_TOOLS();
    TTempDirectory folder;
    const std::string path = SavedWith(folder, {EveryLetter, Specials});
    // unrtf writes HTML with numeric entities; let pandoc turn them back into text.
    const std::string text =
        RunTool("unrtf --html " + ShellQuoted(path) + " 2>/dev/null | pandoc -f html -t plain --wrap=none");
    EXPECT_NE(std::string::npos, text.find(EveryLetter)) << text;
    EXPECT_NE(std::string::npos, text.find(Specials)) << text;
}

// A font name ends at ';' in the font table: a name holding one, or braces
// and backslashes, must neither cut the table nor leak into the text.
TEST(RichTextReaders, HostileFontNamesStayWholeAndOutOfTheText) {
    TTempDirectory folder;
    TRichDocument document(StandardPixelsPerInch);
    document.SetSelectionAttribute(TFontAttribute::Name, AnsiFromUtf8("Foo;Bar {ő} \\y\t"));
    document.AppendLine(AnsiFromUtf8("szöveg"));
    document.SaveRichTextFile(folder / "dal.rtf");
    const std::string rtf = ReadBytes(folder / "dal.rtf");
    EXPECT_NE(std::string::npos, rtf.find("\\fprq0 Foo\\'3bBar \\{\\u337\\'f5\\} \\\\y\\'09;}}")) << rtf;
    SKIP_WITHOUT_DEBIAN_TOOLS();
    EXPECT_EQ("szöveg\n", RunTool("pandoc -f rtf -t plain --wrap=none " + ShellQuoted(folder / "dal.rtf")));
    const std::string html = RunTool("unrtf --html " + ShellQuoted(folder / "dal.rtf") + " 2>/dev/null");
    EXPECT_NE(std::string::npos, html.find(">sz&ouml;veg<br>")) << html; // unrtf keeps no hex in names, but the text
}

// Every songbook of the sample library, in fonts with every special
// character in their names, reads back character for character.
TEST(RichTextReaders, AStrictReaderGetsBackEverySongbookWhole) {
    std::unique_ptr<TArtist> artists;
    ASSERT_TRUE(LoadSongLibrary(VIVIRA_SAMPLE_DATA, artists, nullptr).empty());
    TStyleFonts fonts = StyleFonts;
    fonts[StyleSlot::Title].Name = AnsiFromUtf8("Cím; {betű} \\ ő\t");
    for (const TArtist* artist = artists.get(); artist; artist = artist->Next.get()) {
        TRichDocument document(StandardPixelsPerInch);
        RenderArtist(*artist, document, {fonts, StandardPixelsPerInch});
        const TStrictRtf read = ReadStrictRtf(RichText(document));
        std::u32string expected;
        for (char c : document.Text())
            expected += AnsiToUnicode(c);
        EXPECT_EQ(expected, read.Text) << Utf8FromAnsi(artist->ArtistName);
        EXPECT_NE(read.Fonts.end(), std::find(read.Fonts.begin(), read.Fonts.end(), U"Cím; {betű} \\ ő\t"));
    }
}

TEST(SaveRichTextFile, WritesTheDocumentsRichTextOverAnyOldFile) {
    TTempDirectory folder;
    const std::string path = folder / "dal.txt"; // Rich Text whatever the extension
    WriteBytes(path, std::string(10000, 'x'));
    TRichDocument document(StandardPixelsPerInch);
    document.AppendLine(AnsiFromUtf8("Őszi dal"));
    document.SaveRichTextFile(path);
    EXPECT_EQ(RichText(document), ReadBytes(path));
}

TEST(SaveRichTextFile, AFullDiskFailsTheSaveAndKeepsTheOldFile) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no file size limit to stand in for a full disk";
#else
    TTempDirectory folder;
    const std::string path = folder / "dal.rtf";
    WriteBytes(path, "régi");
    TRichDocument document(StandardPixelsPerInch);
    document.AppendLine(std::string(1000, 'x'));
    const TFileSizeLimit diskFull(100);
    try {
        document.SaveRichTextFile(path);
        ADD_FAILURE() << "saved on a full disk";
    } catch (const TDocumentError& error) {
        EXPECT_EQ("Failed to Save Stream: " + path + ": File too large", error.what());
    }
    EXPECT_EQ("régi", ReadBytes(path));
#endif
}

TEST(SaveRichTextFile, NamesThePathItCannotCreate) {
    TTempDirectory folder;
    for (const std::string& path : {folder / "nincs/dal.rtf", folder.Path()}) {
        try {
            TRichDocument(StandardPixelsPerInch).SaveRichTextFile(path);
            ADD_FAILURE() << "saved " << path;
        } catch (const TDocumentError& error) {
            EXPECT_EQ(0u, std::string(error.what()).find("Cannot create file " + path + ": ")) << error.what();
        }
    }
}

// A long save tells how far it is, in paragraphs, piece by piece; stopped
// anywhere, the old file stays and nothing of the new one is left.
TEST(SaveRichTextFile, ReportsItsProgressAndAStopKeepsTheOldFile) {
    TTempDirectory folder;
    const std::string path = folder / "dal.rtf";
    TRichDocument document(StandardPixelsPerInch);
    for (int line = 0; line < 20000; ++line)
        document.AppendLine(AnsiFromUtf8("Őszi dal, sor ") + std::to_string(line));
    const std::size_t paragraphs = document.Paragraphs().size();
    std::vector<std::size_t> reported;
    EXPECT_TRUE(document.SaveRichTextFile(path, [&](std::size_t done) { return reported.push_back(done), true; }));
    EXPECT_EQ(RichText(document), ReadBytes(path));
    ASSERT_GT(reported.size(), 3u); // more than one piece
    EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
    EXPECT_EQ(paragraphs, reported.back());

    for (const std::size_t stopAt : {std::size_t{1}, reported.size() / 2, reported.size()}) {
        WriteBytes(path, "régi");
        std::size_t calls = 0;
        EXPECT_FALSE(document.SaveRichTextFile(path, [&](std::size_t) { return ++calls < stopAt; })) << stopAt;
        EXPECT_EQ(stopAt, calls);
        EXPECT_EQ("régi", ReadBytes(path)) << stopAt;
        EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(folder.Path()), {})) << stopAt;
    }
}

} // namespace
