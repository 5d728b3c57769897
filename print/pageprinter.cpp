#include "print/pageprinter.h"

#include "render/paragraphwalk.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <memory>
#include <stdexcept>

namespace {

// The tallest line any format of the document can make.
double TallestLine(const TRichDocument& document, QPaintDevice& device, TTextFormats& formats) {
    double tallest = QFontMetricsF(formats.Of(document.InsertionFormat()).font(), &device).height();
    for (const TFormatRun& run : document.Runs())
        tallest = std::max(tallest, QFontMetricsF(formats.Of(run.Format).font(), &device).height());
    return tallest;
}

QRectF PrintArea(const TRichDocument& document, QPaintDevice& device, TTextFormats& formats) {
    const QRectF whole(0, 0, device.width(), device.height());
    const TRect& rect = document.PrintRect;
    if (rect.IsEmpty())
        return whole;
    const QRectF area(rect.Left, rect.Top, static_cast<double>(rect.Right) - rect.Left,
                      static_cast<double>(rect.Bottom) - rect.Top);
    const bool roomForALine = area.width() >= 1 && area.height() >= TallestLine(document, device, formats);
    return roomForALine ? area : whole; // too small: the whole printable area, without margins
}

} // namespace

TDocumentPrinter::TDocumentPrinter(const TRichDocument& document, QPagedPaintDevice& device)
    : m_document(document), m_device(device), m_area(PrintArea(document, device, m_formats)) {}

QFont TDocumentPrinter::FirstFont() {
    const std::vector<TFormatRun>& runs = m_document.Runs();
    return m_formats.Of(runs.empty() ? m_document.InsertionFormat() : runs.front().Format).font();
}

int TDocumentPrinter::CountPages(const TPageOptions& options, const std::vector<std::size_t>& paragraphs,
                                 std::vector<int>& pages) {
    const TKeepPrinting keepAll = PrintToTheEnd; // the flow holds it by reference
    TPageFlow flow({nullptr, &m_device, m_area, FirstFont()}, options, keepAll);
    flow.RecordPagesOf(paragraphs);
    Flow(flow);
    pages = flow.RecordedPages();
    return flow.Pages();
}

bool TDocumentPrinter::Print(QPainter& painter, const TPageOptions& options, const TKeepPrinting& keepPrinting) {
    painter.setPen(Qt::black); // the automatic colour on paper
    TPageFlow flow({&painter, &m_device, m_area, FirstFont()}, options, keepPrinting);
    return Flow(flow);
}

bool TDocumentPrinter::Flow(TPageFlow& flow) {
    bool flowing = true;
    // The last paragraph, after the last mark, holds no line of its own.
    const bool empty = m_document.Text().empty();
    ForEachParagraph(m_document, [&](const TParagraphRuns& paragraph) {
        if (flowing && (!paragraph.IsLast || empty))
            flowing = flow.Add(std::make_unique<TParagraphLayout>(paragraph, m_device, flow.ColumnWidth(), m_formats),
                               paragraph.Format->KeepWithNext, !paragraph.Runs.empty());
    });
    return flowing && flow.Finish();
}

bool PrintPages(const TRichDocument& document, QPagedPaintDevice& device, const TPageOptions& options,
                const TKeepPrinting& keepPrinting) {
    TDocumentPrinter printer(document, device);
    QPainter painter;
    if (!painter.begin(&device))
        throw std::runtime_error("Printing failed");
    const bool printed = printer.Print(painter, options, keepPrinting);
    painter.end();
    return printed;
}
