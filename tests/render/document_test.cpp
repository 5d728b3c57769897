#include "render/document.h"

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
