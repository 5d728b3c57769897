#include "shell/printing.h"

#include "shell/documentview.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <cmath>
#include <limits>

namespace {

constexpr double MillimetresPerInch = 25.4;

std::int32_t Pixels(std::int32_t millimetres, int resolution) {
    return static_cast<std::int32_t>(std::lround(millimetres / MillimetresPerInch * resolution));
}

// A laid-out line and where its paragraph starts.
struct TPlacedLine {
    QTextLine Line;
    QPointF BlockOrigin;
    TLineSpan Span;
};

std::vector<TPlacedLine> PlacedLines(const QTextDocument& text) {
    std::vector<TPlacedLine> lines;
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        const QPointF origin = text.documentLayout()->blockBoundingRect(block).topLeft();
        const QTextLayout* layout = block.layout();
        for (int index = 0; index < layout->lineCount(); ++index) {
            const QTextLine line = layout->lineAt(index);
            lines.push_back({line, origin, {origin.y() + line.y(), origin.y() + line.y() + line.height()}});
        }
    }
    return lines;
}

std::vector<TLineSpan> Spans(const std::vector<TPlacedLine>& lines) {
    std::vector<TLineSpan> spans;
    spans.reserve(lines.size());
    for (const TPlacedLine& line : lines)
        spans.push_back(line.Span);
    return spans;
}

double TallestLine(const std::vector<TPlacedLine>& lines) {
    double tallest = 0;
    for (const TPlacedLine& line : lines)
        tallest = std::max(tallest, line.Span.Bottom - line.Span.Top);
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
// hidden but still there for anyone who reads the text. Returns the first line of the next page.
std::size_t DrawPage(QPainter& painter, const std::vector<TPlacedLine>& lines, std::size_t first, const QRectF& area,
                     double top, double bottom) {
    painter.setPen(Qt::black); // the automatic colour on paper
    std::size_t next = first;
    for (; next < lines.size() && lines[next].Span.Top < bottom; ++next)
        lines[next].Line.draw(&painter, lines[next].BlockOrigin + QPointF(area.left(), area.top() - top));
    return next;
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
    std::vector<TPlacedLine> lines = PlacedLines(text);
    if (area != whole && (TallestLine(lines) > area.height() || area.width() < 1)) {
        area = whole; // too small to hold a line: the whole printable area, without margins
        LayOut(document, text, printer, area.width());
        lines = PlacedLines(text);
    }
    const std::vector<double> starts = PageStarts(Spans(lines), area.height());
    printer.setDocName(title);
    QPainter painter;
    if (!painter.begin(&printer))
        throw TPrintError("Printing failed");
    std::size_t line = 0;
    for (std::size_t page = 0; page < starts.size(); ++page) {
        if (page > 0)
            printer.newPage();
        const double bottom = page + 1 < starts.size() ? starts[page + 1] : std::numeric_limits<double>::max();
        line = DrawPage(painter, lines, line, area, starts[page], bottom);
    }
    painter.end();
}
