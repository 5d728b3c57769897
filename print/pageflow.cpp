#include "print/pageflow.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace {

constexpr double ColumnGapMillimetres = 6;
constexpr int MostColumns = 4;

double Millimetres(double millimetres, double pixelsPerInch) {
    return millimetres / 25.4 * pixelsPerInch;
}

} // namespace

bool PrintToTheEnd(int, std::size_t) {
    return true;
}

TPageFlow::TPageFlow(const TPageSurface& surface, const TPageOptions& options, const TKeepPrinting& keepPrinting)
    : m_surface(surface), m_options(options), m_keepPrinting(keepPrinting) {
    m_options.Columns = std::clamp(m_options.Columns, 1, MostColumns);
    const double dpi = surface.Device ? surface.Device->logicalDpiX() : 72;
    m_columnGap = m_options.Columns > 1 ? Millimetres(ColumnGapMillimetres, dpi) : 0;
    m_columnWidth = std::max(1.0, (surface.Area.width() - m_columnGap * (m_options.Columns - 1)) / m_options.Columns);
    const double numberLine =
        m_options.PageNumbers ? 2 * QFontMetricsF(surface.NumberFont, surface.Device).height() : 0;
    m_height = std::max(1.0, surface.Area.height() - numberLine);
}

bool TPageFlow::Binds(TKeepWithNext keep) const {
    return keep == TKeepWithNext::Always || (keep == TKeepWithNext::Header && m_options.KeepVerses);
}

bool TPageFlow::Holds(TKeepWithNext keep) const {
    return Binds(keep) || (keep == TKeepWithNext::Verse && m_options.KeepVerses);
}

bool TPageFlow::Add(std::unique_ptr<TFlowParagraph> layout, TKeepWithNext keep, bool hasText) {
    double height = 0;
    for (int line = 0; line < layout->LineCount(); ++line)
        height += layout->LineHeight(line);
    m_pending.push_back({std::move(layout), keep, hasText, m_added++, height});
    m_pendingHeight += height;
    if (!Holds(keep))
        return PlaceGroup();
    if (m_pendingHeight <= m_height)
        return true;
    // Too tall for any page: it breaks where full, and need not wait for its end.
    m_oversized = true;
    return PlaceComplete();
}

// The group ends here; it moves to the next page (or column) whole when it
// is to be kept together, does not fit in what is left, and fits on a page.
bool TPageFlow::PlaceGroup() {
    const bool whole = m_options.KeepVerses && !m_oversized && m_pendingHeight <= m_height;
    m_oversized = false;
    if (whole && m_top > 0 && m_top + m_pendingHeight > m_height && !NextColumn())
        return false;
    return PlaceUnits(m_pending.size());
}

// Places the units that are complete: all but the paragraphs still bound to
// one that has not come; those too when they alone are taller than a page.
bool TPageFlow::PlaceComplete() {
    std::size_t end = m_pending.size();
    while (end > 0 && Binds(m_pending[end - 1].Keep))
        --end;
    if (!PlaceUnits(end))
        return false;
    return m_pendingHeight <= m_height || PlaceUnits(m_pending.size());
}

bool TPageFlow::PlaceUnits(std::size_t end) {
    std::size_t begin = 0;
    for (std::size_t index = 0; index < end; ++index) {
        if (index + 1 == end || !Binds(m_pending[index].Keep)) {
            if (!PlaceUnit(begin, index + 1))
                return false;
            begin = index + 1;
        }
    }
    for (std::size_t index = 0; index < end; ++index)
        m_pendingHeight -= m_pending[index].Height;
    m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<std::ptrdiff_t>(end));
    if (m_pending.empty())
        m_pendingHeight = 0; // no drift from the sums
    return true;
}

// Paragraphs bound together start a new page (or column) together when they
// fit on one; else they break where full like any others.
bool TPageFlow::PlaceUnit(std::size_t begin, std::size_t end) {
    double height = 0;
    for (std::size_t index = begin; index < end; ++index)
        height += m_pending[index].Height;
    if (m_top > 0 && m_top + height > m_height && height <= m_height && !NextColumn())
        return false;
    for (std::size_t index = begin; index < end; ++index) {
        if (!PlaceLines(m_pending[index]))
            return false;
    }
    return true;
}

bool TPageFlow::PlaceLines(const TItem& item) {
    for (int line = 0; line < item.Layout->LineCount(); ++line) {
        const double height = item.Layout->LineHeight(line);
        if (m_top > 0 && m_top + height > m_height && !NextColumn())
            return false;
        if (line == 0)
            Record(item);
        if (m_surface.Painter) {
            const double left = m_surface.Area.left() + m_column * (m_columnWidth + m_columnGap);
            item.Layout->DrawLine(*m_surface.Painter, line, QPointF(left, m_surface.Area.top() + m_top));
        }
        m_top += height;
    }
    ++m_paragraphs;
    return true;
}

bool TPageFlow::NextColumn() {
    m_top = 0;
    if (++m_column < m_options.Columns)
        return true;
    m_column = 0;
    DrawPageNumber();
    if (!m_keepPrinting(++m_pages, m_paragraphs))
        return false;
    return !m_surface.Painter || m_surface.Device->newPage();
}

bool TPageFlow::Finish() {
    if (!m_pending.empty() && !PlaceGroup())
        return false;
    DrawPageNumber();
    return m_keepPrinting(++m_pages, m_paragraphs);
}

void TPageFlow::DrawPageNumber() {
    if (!m_surface.Painter || !m_options.PageNumbers)
        return;
    const QRectF& area = m_surface.Area;
    const QRectF foot(area.left(), area.top() + m_height, area.width(), area.height() - m_height);
    m_surface.Painter->setFont(m_surface.NumberFont);
    m_surface.Painter->drawText(foot, Qt::AlignHCenter | Qt::AlignBottom,
                                QString::number(m_options.FirstPageNumber + m_pages));
}

void TPageFlow::RecordPagesOf(std::vector<std::size_t> paragraphs) {
    std::sort(paragraphs.begin(), paragraphs.end());
    m_recordedParagraphs = std::move(paragraphs);
    m_recordedPages.assign(m_recordedParagraphs.size(), 0);
    m_nextRecord = 0;
}

void TPageFlow::Record(const TItem& item) {
    if (!item.HasText)
        return;
    const int page = m_options.FirstPageNumber + m_pages;
    for (; m_nextRecord < m_recordedParagraphs.size() && m_recordedParagraphs[m_nextRecord] <= item.Index;
         ++m_nextRecord)
        m_recordedPages[m_nextRecord] = page;
}
