#include "print/stagetext.h"

#include "render/paragraphwalk.h"

namespace {

// Wide enough for any line: nothing wraps while the lines are measured.
constexpr double UnboundedWidth = 1e6;

} // namespace

TStageText::TStageText(const TRichDocument& document, QPaintDevice& device) : m_document(document), m_device(device) {
    LayOut(UnboundedWidth);
    for (const auto& layout : m_layouts) {
        double height = 0;
        for (int line = 0; line < layout->LineCount(); ++line)
            height += layout->LineHeight(line);
        m_lines.push_back({layout->NaturalWidth(), height, false, false});
    }
    std::size_t index = 0;
    ForEachParagraph(document, [&](const TParagraphRuns& paragraph) {
        if (index < m_lines.size()) {
            m_lines[index].TiedToNext = paragraph.Format->KeepWithNext == TKeepWithNext::Always;
            m_lines[index].HasText = !paragraph.Runs.empty();
        }
        ++index;
    });
}

// The last paragraph, after the last mark, holds no line of its own.
void TStageText::LayOut(double width) {
    m_layouts.clear();
    ForEachParagraph(m_document, [&](const TParagraphRuns& paragraph) {
        if (!paragraph.IsLast || !paragraph.Runs.empty())
            m_layouts.push_back(std::make_unique<TParagraphLayout>(paragraph, m_device, width, m_formats));
    });
}

void TStageText::SetColumnWidth(double width) {
    LayOut(width);
}

void TStageText::Draw(QPainter& painter, std::size_t line, QPointF top) const {
    const TParagraphLayout& layout = *m_layouts.at(line);
    for (int index = 0; index < layout.LineCount(); ++index) {
        layout.DrawLine(painter, index, top);
        top.ry() += layout.LineHeight(index);
    }
}
