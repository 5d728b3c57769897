#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <vector>

class QPagedPaintDevice;
class QPainter;

struct TContentsEntry {
    QString Title;
    int Page;
};

// The contents of a book: a heading, then a line for each entry, its title
// on the left and its page on the right joined by dots, as many pages as
// they take.
class TContentsPages {
public:
    TContentsPages(std::vector<TContentsEntry> entries, const QFont& font, QPagedPaintDevice& device, QRectF area);

    int PageCount() const;
    // Draws every page; each but the first starts a new page of the device,
    // and a new page follows the last.
    void Draw(QPainter& painter) const;

private:
    int LinesPerPage() const;
    void DrawEntry(QPainter& painter, const TContentsEntry& entry, double top) const;

    std::vector<TContentsEntry> m_entries;
    QFont m_font;
    QFont m_headingFont;
    QPagedPaintDevice& m_device;
    QRectF m_area;
    double m_lineHeight;
    double m_headingHeight;
};
