#include "print/contentspages.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace {

constexpr const char* Heading = "Tartalom";

QFont HeadingFont(QFont font) {
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.5);
    return font;
}

} // namespace

TContentsPages::TContentsPages(std::vector<TContentsEntry> entries, const QFont& font, QPagedPaintDevice& device,
                               QRectF area)
    : m_entries(std::move(entries)), m_font(font), m_headingFont(HeadingFont(font)), m_device(device), m_area(area),
      m_lineHeight(QFontMetricsF(m_font, &device).lineSpacing()),
      m_headingHeight(2 * QFontMetricsF(m_headingFont, &device).lineSpacing()) {}

int TContentsPages::LinesPerPage() const {
    return std::max(1, static_cast<int>((m_area.height() - m_headingHeight) / m_lineHeight));
}

int TContentsPages::PageCount() const {
    const int lines = LinesPerPage();
    return std::max(1, (static_cast<int>(m_entries.size()) + lines - 1) / lines);
}

void TContentsPages::Draw(QPainter& painter) const {
    const int lines = LinesPerPage();
    for (int page = 0; page < PageCount(); ++page) {
        if (page > 0)
            m_device.newPage();
        painter.setFont(m_headingFont);
        painter.drawText(QRectF(m_area.left(), m_area.top(), m_area.width(), m_headingHeight),
                         Qt::AlignLeft | Qt::AlignTop, Heading);
        painter.setFont(m_font);
        const auto first = static_cast<std::size_t>(page) * static_cast<std::size_t>(lines);
        const std::size_t end = std::min(m_entries.size(), first + static_cast<std::size_t>(lines));
        for (std::size_t index = first; index < end; ++index)
            DrawEntry(painter, m_entries[index], m_area.top() + m_headingHeight + (index - first) * m_lineHeight);
    }
    m_device.newPage();
}

// A title too long for the line is cut short with an ellipsis; the dots fill
// what is left between it and the page number.
void TContentsPages::DrawEntry(QPainter& painter, const TContentsEntry& entry, double top) const {
    const QFontMetricsF metrics(m_font, &m_device);
    const QString number = QString::number(entry.Page);
    const double numberWidth = metrics.horizontalAdvance(number);
    const double gap = metrics.horizontalAdvance(QStringLiteral(" . "));
    const QString title = metrics.elidedText(entry.Title, Qt::ElideRight, m_area.width() - numberWidth - gap);
    const double titleWidth = metrics.horizontalAdvance(title);
    const double baseline = top + metrics.ascent();
    painter.drawText(QPointF(m_area.left(), baseline), title);
    painter.drawText(QPointF(m_area.right() - numberWidth, baseline), number);
    const double dot = metrics.horizontalAdvance(QStringLiteral(". "));
    const int dots = static_cast<int>((m_area.width() - titleWidth - numberWidth - gap) / dot);
    if (dots > 0)
        painter.drawText(QPointF(m_area.right() - numberWidth - gap / 2 - dots * dot, baseline),
                         QStringLiteral(". ").repeated(dots));
}
