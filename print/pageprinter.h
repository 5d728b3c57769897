#pragma once

#include "print/pageflow.h"
#include "print/paragraphlayout.h"
#include "render/document.h"

#include <QRectF>
#include <cstddef>
#include <vector>

class QPagedPaintDevice;
class QPainter;

// Prints a document onto a device (a printer, or a PDF writer set up by the
// caller) in the document's PrintRect, or on the whole printable area when it
// is empty or too small for a line: paragraph by paragraph, each laid out on
// its own, so that a songbook of any length prints in time linear in its
// length. Lines are never split; a line too tall for any page gets one of its
// own, and an empty document gives one empty page.
class TDocumentPrinter {
public:
    TDocumentPrinter(const TRichDocument& document, QPagedPaintDevice& device);

    QRectF Area() const { return m_area; }
    // The font of the document's first line: page numbers and contents are set in it.
    QFont FirstFont();

    // Lays the pages out without drawing: how many there are, and the page
    // of the first line with text of each paragraph numbered (in ascending order).
    int CountPages(const TPageOptions& options, const std::vector<std::size_t>& paragraphs, std::vector<int>& pages);
    // Draws the pages with a painter already begun on the device, the first
    // on the page in hand; false when told to stop.
    bool Print(QPainter& painter, const TPageOptions& options, const TKeepPrinting& keepPrinting);

private:
    bool Flow(TPageFlow& flow);

    const TRichDocument& m_document;
    QPagedPaintDevice& m_device;
    TTextFormats m_formats;
    QRectF m_area;
};

// The whole document printed on its own; false when told to stop.
bool PrintPages(const TRichDocument& document, QPagedPaintDevice& device, const TPageOptions& options,
                const TKeepPrinting& keepPrinting);
