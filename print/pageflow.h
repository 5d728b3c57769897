#pragma once

#include "print/flowparagraph.h"
#include "render/document.h"

#include <QFont>
#include <QRectF>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;

// What a flow draws on: a painter and its device (none for a flow that only
// counts), the area of the page to fill, and the font of page numbers.
struct TPageSurface {
    QPainter* Painter = nullptr;
    QPagedPaintDevice* Device = nullptr;
    QRectF Area;
    QFont NumberFont;
};

// How the paragraphs of a document go onto pages.
struct TPageOptions {
    bool KeepVerses = false;  // a verse (or a song's header with its first line) that fits a page is never split
    int Columns = 1;          // side by side on each page, filled one after the other
    bool PageNumbers = false; // at the foot of each page, centred
    int FirstPageNumber = 1;
};

// Told after each page, with the paragraphs placed so far; false stops there.
using TKeepPrinting = std::function<bool(int pagesDone, std::size_t paragraphsDone)>;
// Never stops: for printing that nobody watches.
bool PrintToTheEnd(int pagesDone, std::size_t paragraphsDone);

// Where the paragraphs land, page by page: a page (or column) ends only when
// the next line does not fit, a chord line stays with the line under it, and
// with KeepVerses the verses and headers that fit on a page stay whole. It
// holds only the paragraphs it cannot place yet (a verse at most), so a
// songbook of any length flows in time and memory linear in its length.
// Without a painter it only counts: where each page starts, nothing drawn.
class TPageFlow {
public:
    TPageFlow(const TPageSurface& surface, const TPageOptions& options, const TKeepPrinting& keepPrinting);

    // The next paragraph of the document, laid out at the flow's ColumnWidth().
    bool Add(std::unique_ptr<TFlowParagraph> layout, TKeepWithNext keep, bool hasText);
    // The last page is done; false when told to stop.
    bool Finish();

    double ColumnWidth() const { return m_columnWidth; }
    // The page (counted from FirstPageNumber) of the first line with text of
    // each paragraph numbered as given, in the order of the numbers.
    void RecordPagesOf(std::vector<std::size_t> paragraphs);
    const std::vector<int>& RecordedPages() const { return m_recordedPages; }
    int Pages() const { return m_pages; } // done: all of them after Finish

private:
    struct TItem {
        std::unique_ptr<TFlowParagraph> Layout;
        TKeepWithNext Keep;
        bool HasText;
        std::size_t Index;
        double Height;
    };

    bool Binds(TKeepWithNext keep) const;
    bool Holds(TKeepWithNext keep) const;
    bool PlaceGroup();
    bool PlaceComplete();
    bool PlaceUnits(std::size_t end);
    bool PlaceUnit(std::size_t begin, std::size_t end);
    bool PlaceLines(const TItem& item);
    bool NextColumn();
    void DrawPageNumber();
    void Record(const TItem& item);

    TPageSurface m_surface;
    TPageOptions m_options;
    const TKeepPrinting& m_keepPrinting;
    double m_columnWidth;
    double m_columnGap;
    double m_height; // of a column, the page number's line left out
    std::vector<TItem> m_pending;
    double m_pendingHeight = 0;
    bool m_oversized = false; // the group in hand is taller than a page: it breaks where full
    std::size_t m_added = 0;
    std::size_t m_paragraphs = 0;
    int m_pages = 0;
    int m_column = 0;
    double m_top = 0;
    std::vector<std::size_t> m_recordedParagraphs;
    std::vector<int> m_recordedPages;
    std::size_t m_nextRecord = 0;
};
