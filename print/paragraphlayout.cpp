#include "print/paragraphlayout.h"

#include "print/textformat.h"
#include "qtbridge/qttext.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

namespace {

// A line feed inside a line breaks the line, not the paragraph.
QString LineText(std::string_view ansi) {
    QString text = FromAnsi(ansi);
    text.replace(QChar('\n'), QChar::LineSeparator);
    return text;
}

} // namespace

const QTextCharFormat& TTextFormats::Of(const TCharacterFormat& format) {
    const auto known =
        std::find_if(m_known.begin(), m_known.end(), [&](const auto& entry) { return entry.first == format; });
    if (known != m_known.end())
        return known->second;
    return m_known.emplace_back(format, TextCharFormat(format, 1.0)).second;
}

TParagraphLayout::TParagraphLayout(const TParagraphRuns& paragraph, QPaintDevice& device, double width,
                                   TTextFormats& formats)
    : m_layout(QString(), formats.Of(*paragraph.MarkFormat).font(), &device),
      m_indent(TwipsToPixels(paragraph.Format->FirstLineIndentTwips, device.logicalDpiX())) {
    QString text;
    QList<QTextLayout::FormatRange> ranges;
    for (const TTextRun& run : paragraph.Runs) {
        const auto start = static_cast<int>(text.size());
        text += LineText(run.Text);
        ranges.append({start, static_cast<int>(text.size()) - start, formats.Of(*run.Format)});
    }
    m_layout.setText(text);
    m_layout.setFormats(ranges);
    QTextOption option(TextAlignment(paragraph.Format->Alignment));
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_layout.setTextOption(option);
    double y = 0;
    m_layout.beginLayout();
    for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine()) {
        const double x = m_layout.lineCount() == 1 ? m_indent : 0;
        line.setLineWidth(std::max(1.0, width - x));
        line.setPosition(QPointF(x, y));
        y += line.height();
    }
    m_layout.endLayout();
}

void TParagraphLayout::DrawLine(QPainter& painter, int index, QPointF top) const {
    const QTextLine line = m_layout.lineAt(index);
    line.draw(&painter, top - QPointF(0, line.y()));
}

double TParagraphLayout::NaturalWidth() const {
    double widest = 0;
    for (int index = 0; index < m_layout.lineCount(); ++index)
        widest = std::max(widest, m_layout.lineAt(index).naturalTextWidth() + (index == 0 ? m_indent : 0));
    return widest;
}
