#include "print/pageprinter.h"

#include "print/paragraphlayout.h"
#include "render/paragraphwalk.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
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

// Places lines down the pages, starting a page where the next line does not fit.
class TPageFlow {
public:
    TPageFlow(QPainter& painter, QPagedPaintDevice& device, QRectF area, const TKeepPrinting& keepPrinting)
        : m_painter(painter), m_device(device), m_area(area), m_keepPrinting(keepPrinting) {}

    bool Print(const TParagraphLayout& layout) {
        for (int index = 0; index < layout.LineCount(); ++index) {
            const double height = layout.LineHeight(index);
            if (m_top > 0 && m_top + height > m_area.height() && !NewPage())
                return false;
            layout.DrawLine(m_painter, index, m_area.topLeft() + QPointF(0, m_top));
            m_top += height;
        }
        ++m_paragraphs;
        return true;
    }

    bool Finish() { return m_keepPrinting(++m_pages, m_paragraphs); }

private:
    bool NewPage() {
        if (!m_keepPrinting(++m_pages, m_paragraphs) || !m_device.newPage())
            return false;
        m_top = 0;
        return true;
    }

    QPainter& m_painter;
    QPagedPaintDevice& m_device;
    QRectF m_area;
    const TKeepPrinting& m_keepPrinting;
    double m_top = 0;
    int m_pages = 0;
    std::size_t m_paragraphs = 0;
};

} // namespace

bool PrintPages(const TRichDocument& document, QPagedPaintDevice& device, const TKeepPrinting& keepPrinting) {
    TTextFormats formats;
    const QRectF area = PrintArea(document, device, formats);
    QPainter painter;
    if (!painter.begin(&device))
        throw std::runtime_error("Printing failed");
    painter.setPen(Qt::black); // the automatic colour on paper
    TPageFlow flow(painter, device, area, keepPrinting);
    bool printing = true;
    // The last paragraph, after the last mark, holds no line of its own.
    const bool empty = document.Text().empty();
    ForEachParagraph(document, [&](const TParagraphRuns& paragraph) {
        if (printing && (!paragraph.IsLast || empty))
            printing = flow.Print(TParagraphLayout(paragraph, device, area.width(), formats));
    });
    printing = printing && flow.Finish();
    painter.end();
    return printing;
}
