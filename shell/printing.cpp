#include "shell/printing.h"

#include "shell/documentview.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <cmath>

namespace {

constexpr double MillimetresPerInch = 25.4;

std::int32_t Pixels(std::int32_t millimetres, int resolution) {
    return static_cast<std::int32_t>(std::lround(millimetres / MillimetresPerInch * resolution));
}

std::vector<TLineSpan> LineSpans(const QTextDocument& text) {
    std::vector<TLineSpan> lines;
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        const double blockTop = text.documentLayout()->blockBoundingRect(block).top();
        const QTextLayout* layout = block.layout();
        for (int index = 0; index < layout->lineCount(); ++index) {
            const QTextLine line = layout->lineAt(index);
            lines.push_back({blockTop + line.y(), blockTop + line.y() + line.height()});
        }
    }
    return lines;
}

double TallestLine(const std::vector<TLineSpan>& lines) {
    double tallest = 0;
    for (const TLineSpan& line : lines)
        tallest = std::max(tallest, line.Bottom - line.Top);
    return tallest;
}

// Lays the text out for the printer, wrapped to the width.
void LayOut(const TRichDocument& document, QTextDocument& text, QPrinter& printer, double width) {
    text.documentLayout()->setPaintDevice(&printer);
    text.setDocumentMargin(0);
    FillTextDocument(document, text, 1.0, printer.logicalDpiY());
    text.setTextWidth(width);
}

// Draws the lines that start on this page, one by one: drawing whole
// paragraphs with a clip would put a paragraph's other lines on the page too,
// hidden but still there for anyone who reads the text.
void DrawPage(QPainter& painter, const QTextDocument& text, const QRectF& area, double top, double bottom) {
    painter.setPen(Qt::black); // the automatic colour on paper
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        const QRectF blockRect = text.documentLayout()->blockBoundingRect(block);
        if (blockRect.bottom() <= top || blockRect.top() >= bottom)
            continue;
        const QTextLayout* layout = block.layout();
        const QPointF origin(area.left() + blockRect.left(), area.top() - top + blockRect.top());
        for (int index = 0; index < layout->lineCount(); ++index) {
            const QTextLine line = layout->lineAt(index);
            const double lineTop = blockRect.top() + line.y();
            if (lineTop >= top && lineTop < bottom)
                line.draw(&painter, origin);
        }
    }
}

} // namespace

TRect PrintRectFor(const TPageMargins& margins, int resolutionX, int resolutionY, int width, int height) {
    return {Pixels(margins.Left, resolutionX), Pixels(margins.Top, resolutionY),
            width - Pixels(margins.Right, resolutionX), height - Pixels(margins.Bottom, resolutionY)};
}

std::vector<double> PageStarts(const std::vector<TLineSpan>& lines, double pageHeight) {
    std::vector<double> starts{lines.empty() ? 0.0 : lines.front().Top};
    for (const TLineSpan& line : lines) {
        if (line.Bottom - starts.back() > pageHeight && line.Top > starts.back())
            starts.push_back(line.Top);
    }
    return starts;
}

void PrintDocument(const TRichDocument& document, const QString& title, QPrinter& printer) {
    const QRectF whole(0, 0, printer.width(), printer.height());
    const TRect& rect = document.PrintRect;
    QRectF area = rect.IsEmpty() ? whole : QRectF(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top);
    QTextDocument text;
    LayOut(document, text, printer, area.width());
    std::vector<TLineSpan> lines = LineSpans(text);
    if (area != whole && (TallestLine(lines) > area.height() || area.width() < 1)) {
        area = whole; // too small to hold a line: the whole printable area, without margins
        LayOut(document, text, printer, area.width());
        lines = LineSpans(text);
    }
    const std::vector<double> starts = PageStarts(lines, area.height());
    printer.setDocName(title);
    QPainter painter;
    if (!painter.begin(&printer))
        throw TPrintError("Printing failed");
    const double end = lines.empty() ? 0.0 : lines.back().Bottom;
    for (std::size_t page = 0; page < starts.size(); ++page) {
        if (page > 0)
            printer.newPage();
        DrawPage(painter, text, area, starts[page], page + 1 < starts.size() ? starts[page + 1] : end);
    }
    painter.end();
}
