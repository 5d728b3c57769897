#include "print/textformat.h"

#include "print/qtcolor.h"
#include "qtbridge/qttext.h"

QTextCharFormat TextCharFormat(const TCharacterFormat& format, double zoom) {
    QTextCharFormat result;
    result.setFontFamilies({FromAnsi(format.FaceName)});
    result.setFontPointSize(PointsFromTwips(format.SizeTwips) * zoom);
    result.setFontWeight(format.Style & FontStyle::Bold ? QFont::Bold : QFont::Normal);
    result.setFontItalic(format.Style & FontStyle::Italic);
    result.setFontUnderline(format.Style & FontStyle::Underline);
    result.setFontStrikeOut(format.Style & FontStyle::StrikeOut);
    if (!format.AutomaticColor)
        result.setForeground(ToQColor(format.Rgb));
    return result;
}

Qt::Alignment TextAlignment(TAlignment alignment) {
    return alignment == TAlignment::Center ? Qt::AlignHCenter : Qt::AlignLeft;
}

double TwipsToPixels(std::int32_t twips, double pixelsPerInch) {
    return twips * pixelsPerInch / double{TwipsPerInch};
}
