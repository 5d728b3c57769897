#include "shell/documentview.h"

#include "print/textformat.h"
#include "qtbridge/qttext.h"
#include "render/paragraphwalk.h"
#include "render/styleslots.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

namespace {

QTextBlockFormat BlockFormat(const TParagraphFormat& format, double zoom, int pixelsPerInch) {
    QTextBlockFormat result;
    result.setAlignment(TextAlignment(format.Alignment));
    result.setTextIndent(TwipsToPixels(format.FirstLineIndentTwips, pixelsPerInch) * zoom);
    return result;
}

} // namespace

double SizeStepZoom(int sizeStep) {
    return std::pow(SizeStepFactor, std::clamp(sizeStep, SmallestSizeStep, LargestSizeStep));
}

void FillTextDocument(const TRichDocument& document, QTextDocument& view, double zoom, int pixelsPerInch) {
    view.clear();
    QTextCursor cursor(&view);
    cursor.beginEditBlock();
    bool first = true;
    ForEachParagraph(document, [&](const TParagraphRuns& paragraph) {
        const QTextBlockFormat block = BlockFormat(*paragraph.Format, zoom, pixelsPerInch);
        const QTextCharFormat mark = TextCharFormat(*paragraph.MarkFormat, zoom);
        if (first) {
            cursor.setBlockFormat(block);
            cursor.setBlockCharFormat(mark);
        } else
            cursor.insertBlock(block, mark);
        first = false;
        for (const TTextRun& run : paragraph.Runs)
            cursor.insertText(FromAnsi(run.Text), TextCharFormat(*run.Format, zoom));
    });
    cursor.endEditBlock();
}
