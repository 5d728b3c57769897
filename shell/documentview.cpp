#include "shell/documentview.h"

#include "shell/modeltext.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

namespace {

constexpr double TwipsPerPoint = 20.0;

QTextCharFormat CharacterFormat(const TCharacterFormat& format, double zoom) {
    QTextCharFormat result;
    result.setFontFamilies({FromAnsi(format.FaceName)});
    result.setFontPointSize(format.SizeTwips / TwipsPerPoint * zoom);
    result.setFontWeight(format.Style & FontStyle::Bold ? QFont::Bold : QFont::Normal);
    result.setFontItalic(format.Style & FontStyle::Italic);
    result.setFontUnderline(format.Style & FontStyle::Underline);
    result.setFontStrikeOut(format.Style & FontStyle::StrikeOut);
    if (!format.AutomaticColor)
        result.setForeground(ToQColor(format.Rgb));
    return result;
}

QTextBlockFormat BlockFormat(const TParagraphFormat& format, double pixelsPerTwip) {
    QTextBlockFormat result;
    result.setAlignment(format.Alignment == TAlignment::Center ? Qt::AlignHCenter : Qt::AlignLeft);
    result.setTextIndent(format.FirstLineIndentTwips * pixelsPerTwip);
    return result;
}

} // namespace

double SizeStepZoom(int sizeStep) {
    return std::pow(SizeStepFactor, std::clamp(sizeStep, -2, 2));
}

void FillTextDocument(const TRichDocument& document, QTextDocument& view, double zoom, int pixelsPerInch) {
    const double pixelsPerTwip = zoom * pixelsPerInch / (72.0 * TwipsPerPoint);
    view.clear();
    QTextCursor cursor(&view);
    const std::string& text = document.Text();
    const auto& runs = document.Runs();
    const auto& paragraphs = document.Paragraphs();
    cursor.beginEditBlock();
    cursor.setBlockFormat(BlockFormat(paragraphs[0], pixelsPerTwip));
    std::size_t paragraph = 0;
    for (std::size_t run = 0; run < runs.size(); ++run) {
        const std::size_t end = run + 1 < runs.size() ? runs[run + 1].Start : text.size();
        const QTextCharFormat format = CharacterFormat(runs[run].Format, zoom);
        for (std::size_t position = runs[run].Start; position < end;) {
            const std::size_t mark = std::min(text.find('\r', position), end);
            cursor.insertText(FromAnsi(std::string_view(text).substr(position, mark - position)), format);
            if (mark == end)
                break;
            cursor.insertBlock(BlockFormat(paragraphs[++paragraph], pixelsPerTwip), format);
            position = mark + 1;
        }
    }
    cursor.endEditBlock();
}
