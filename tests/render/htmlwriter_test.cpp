#include "render/htmlwriter.h"
#include "render/plaintextwriter.h"
#include "tests/support/externaltool.h"
#include "tests/support/songfixture.h"
#include "tests/support/tempdirectory.h"

#include <gtest/gtest.h>

namespace {

TRichDocument Sample() {
    TRichDocument document(StandardPixelsPerInch);
    document.SetParagraphAlignment(TAlignment::Center);
    document.SetSelectionAttribute(TFontAttribute::Style, std::int64_t{FontStyle::Bold | FontStyle::StrikeOut});
    document.SetSelectionAttribute(TFontAttribute::Color, std::int64_t{0x0000FF});
    document.AppendLine(AnsiFromUtf8("Őszi <dal> & \"ének\""));
    document.SetParagraphAlignment(TAlignment::Left);
    document.SetSelectionAttribute(TFontAttribute::Style, std::int64_t{0});
    document.SetSelectionAttribute(TFontAttribute::Color, std::int64_t{0x80000008});
    document.AppendLine("");
    document.AppendLine(AnsiFromUtf8("Am    G  űr"));
    return document;
}

TEST(HtmlText, KeepsTextLinesAndFormatsForHtmlReaders) {
    const std::string html = HtmlText(Sample());
    EXPECT_NE(std::string::npos,
              html.find("<p style=\"margin:0;white-space:pre;text-align:center;text-indent:0.0pt\"><span "
                        "style=\"font-family:'Times New Roman';font-size:10.0pt;font-weight:bold;"
                        "text-decoration:line-through;color:#ff0000\">Őszi &lt;dal&gt; &amp; &quot;ének&quot;"
                        "</span></p>"))
        << html;
    SKIP_WITHOUT_DEBIAN_TOOLS();
    TTempDirectory folder;
    WriteBytes(folder / "copy.html", html);
    // Another program's reading: the lines, the spaces that align chords, the accents.
    EXPECT_EQ("Őszi <dal> & \"ének\"\n\nAm    G  űr\n",
              RunTool("pandoc -f html -t plain --wrap=none " + ShellQuoted(folder / "copy.html") +
                      " | sed 's/\\xc2\\xa0/ /g'"));
}

TEST(PlainText, IsTheTextWithALineEndPerParagraph) {
    EXPECT_EQ("Őszi <dal> & \"ének\"\n\nAm    G  űr\n", PlainText(Sample()));
}

} // namespace
