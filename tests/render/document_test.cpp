#include "render/document.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

TEST(RichDocument, AppendsLinesWithTheFormatSetBefore) {
    TRichDocument document(StandardPixelsPerInch);
    document.SetSelectionAttribute(TFontAttribute::Style, std::int64_t{12});
    document.AppendLine("ab");
    document.SetSelectionAttribute(TFontAttribute::Style, std::int64_t{0});
    document.SetParagraphAlignment(TAlignment::Center);
    document.AppendLine("");
    document.AppendLine("c");
    EXPECT_EQ("ab\r\rc\r", document.Text());
    ASSERT_EQ(2u, document.Runs().size());
    EXPECT_EQ(12, document.Runs()[0].Format.Style); // underline and strike-out, neither bold nor italic
    EXPECT_EQ(3u, document.Runs()[1].Start);
    EXPECT_EQ(0, document.Runs()[1].Format.Style);
    ASSERT_EQ(4u, document.Paragraphs().size());
    EXPECT_EQ(TAlignment::Left, document.Paragraphs()[0].Alignment);
    EXPECT_EQ(TAlignment::Center, document.Paragraphs()[1].Alignment);
    EXPECT_EQ(TAlignment::Center, document.Paragraphs()[3].Alignment);
    EXPECT_EQ(6u, document.GetSelectionStart());
}

TEST(RichDocument, FormatsAndDeletesTheSelection) {
    TRichDocument document(StandardPixelsPerInch);
    document.AppendLine("abcd");
    document.SetParagraphAlignment(TAlignment::Center);
    document.AppendLine("ef");
    document.SetSelectionStart(2);
    document.SetSelectionLength(4); // "cd\re"
    document.SetSelectionAttribute(TFontAttribute::Style, std::int64_t{FontStyle::Bold});
    ASSERT_EQ(3u, document.Runs().size());
    EXPECT_EQ(2u, document.Runs()[1].Start);
    EXPECT_EQ(6u, document.Runs()[2].Start);

    document.DeleteSelection();
    EXPECT_EQ("abf\r", document.Text());
    EXPECT_EQ(2u, document.Paragraphs().size());
    EXPECT_EQ(TAlignment::Left, document.Paragraphs()[0].Alignment);
    ASSERT_EQ(1u, document.Runs().size()); // the bold stretch went; the plain ones around it joined
    EXPECT_EQ(0, document.Runs()[0].Format.Style);

    document.SelectWholeDocument();
    EXPECT_EQ(4u, document.GetSelectionLength());
    document.DeleteSelection();
    EXPECT_EQ("", document.Text());
    EXPECT_TRUE(document.Runs().empty());
    EXPECT_EQ(1u, document.Paragraphs().size());
}

// Walks over the paragraphs take their ends from the marks' positions: after
// any deletion they are where the marks are, one for each paragraph but the
// last, and the caret's paragraph is found by them.
TEST(RichDocument, KnowsWhereEachMarkStandsAfterAnyDeletion) {
    const struct {
        std::size_t Start, Length;
    } deletions[] = {{0, 1}, {2, 1}, {1, 5}, {3, 3}, {0, 11}, {5, 6}, {6, 5}, {10, 1}, {0, 12}};
    for (const auto& [start, length] : deletions) {
        TRichDocument document(StandardPixelsPerInch);
        for (const char* line : {"ab", "", "cde", "f"})
            document.AppendLine(line); // "ab\r\rcde\rf\r"
        document.SetSelectionStart(start);
        document.SetSelectionLength(length);
        document.DeleteSelection();
        std::vector<std::uint32_t> marks;
        for (std::size_t at = document.Text().find('\r'); at != std::string::npos;
             at = document.Text().find('\r', at + 1))
            marks.push_back(static_cast<std::uint32_t>(at));
        EXPECT_EQ(marks, document.MarkPositions()) << start << "+" << length;
        EXPECT_EQ(marks.size() + 1, document.Paragraphs().size()) << start << "+" << length;
        for (std::size_t position = 0; position <= document.Text().size(); ++position) {
            document.SetSelectionStart(position);
            document.SetParagraphAlignment(TAlignment::Center);
            const auto paragraph = static_cast<std::size_t>(std::count(
                document.Text().begin(), document.Text().begin() + static_cast<std::ptrdiff_t>(position), '\r'));
            EXPECT_EQ(TAlignment::Center, document.Paragraphs()[paragraph].Alignment) << position;
            document.SetParagraphAlignment(TAlignment::Left);
        }
    }
}

// The hidden document is emptied and filled again for every command: an
// empty songbook must not carry the font or indent of the one before.
TEST(RichDocument, EmptiedIsLikeNew) {
    TRichDocument document(StandardPixelsPerInch);
    document.SetFirstLineIndent(1);
    document.SetSelectionAttribute(TFontAttribute::Name, std::string("Courier New"));
    document.SetSelectionAttribute(TFontAttribute::Size, std::int64_t{24});
    document.AppendLine("dal");
    document.SelectWholeDocument();
    document.DeleteSelection();
    const TRichDocument fresh(StandardPixelsPerInch);
    EXPECT_EQ(fresh.InsertionFormat(), document.InsertionFormat());
    EXPECT_EQ(fresh.Paragraphs(), document.Paragraphs());
}

// Setting a whole format is setting each of its attributes, at the caret
// and on a selection of any reach: the same text, runs and formats after.
TEST(RichDocument, SetsAWholeFormatAsEachOfItsAttributes) {
    TCharacterFormat format;
    format.Charset = 238;
    format.AutomaticColor = false;
    format.Rgb = RgbColor(200, 10, 20);
    format.FaceName = "Courier New";
    format.SizeTwips = 240;
    format.Style = FontStyle::Italic | FontStyle::Underline;
    const auto byAttribute = [&](TRichDocument& document) {
        document.SetSelectionAttribute(TFontAttribute::Charset, std::int64_t{format.Charset});
        document.SetSelectionAttribute(TFontAttribute::Color, std::int64_t{format.Rgb});
        document.SetSelectionAttribute(TFontAttribute::Name, format.FaceName);
        document.SetSelectionAttribute(TFontAttribute::Size, std::int64_t{format.SizeTwips / 20});
        document.SetSelectionAttribute(TFontAttribute::Style, std::int64_t{format.Style});
    };
    const struct {
        std::size_t Start, Length;
    } selections[] = {{9, 0}, {0, 0}, {0, 9}, {1, 2}, {2, 4}, {4, 1}, {3, 6}, {5, 3}};
    for (const auto& [start, length] : selections) {
        TRichDocument whole(StandardPixelsPerInch);
        TRichDocument each(StandardPixelsPerInch);
        for (TRichDocument* document : {&whole, &each}) {
            document->AppendLine("ab");
            document->SetSelectionAttribute(TFontAttribute::Style, std::int64_t{FontStyle::Bold});
            document->AppendLine("cd");
            document->SetSelectionAttribute(TFontAttribute::Style, std::int64_t{0});
            document->AppendLine("ef");
            document->SetSelectionStart(start);
            document->SetSelectionLength(length);
        }
        whole.SetSelectionFormat(format);
        byAttribute(each);
        for (TRichDocument* document : {&whole, &each})
            document->AppendLine("g");
        ASSERT_EQ(each.Runs().size(), whole.Runs().size()) << start << "+" << length;
        for (std::size_t run = 0; run < each.Runs().size(); ++run) {
            EXPECT_EQ(each.Runs()[run].Start, whole.Runs()[run].Start) << start << "+" << length;
            EXPECT_EQ(each.Runs()[run].Format, whole.Runs()[run].Format) << start << "+" << length;
        }
        EXPECT_EQ(each.InsertionFormat(), whole.InsertionFormat()) << start << "+" << length;
    }
}

TEST(RichDocument, TakesHeightAsASizeOnlyWhenItGivesOne) {
    TRichDocument document(96);
    document.SetSelectionAttribute(TFontAttribute::Size, std::int64_t{9});
    document.SetSelectionAttribute(TFontAttribute::Height, std::int64_t{-12});
    EXPECT_EQ(180, document.InsertionFormat().SizeTwips);
    document.SetSelectionAttribute(TFontAttribute::Height, std::int64_t{16});
    EXPECT_EQ(240, document.InsertionFormat().SizeTwips);
    EXPECT_THROW(document.SetSelectionAttribute(TFontAttribute::Name, std::int64_t{1}), TDocumentError);
}

} // namespace
