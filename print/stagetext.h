#pragma once

#include "print/paragraphlayout.h"
#include "print/stagepages.h"
#include "render/document.h"

#include <memory>
#include <vector>

class QPaintDevice;
class QPainter;

// A rendered song as the performance view draws it, each paragraph of the
// document a line, measured on the device at zoom 1 (the painter zooms).
class TStageText {
public:
    // The document must outlive it.
    TStageText(const TRichDocument& document, QPaintDevice& device);

    const std::vector<TStageLine>& Lines() const { return m_lines; }
    // Lays the lines out again for columns of this width: centred lines centre in them.
    void SetColumnWidth(double width);
    // Draws the line (every line of it, for a paragraph that holds more) with its top at the point.
    void Draw(QPainter& painter, std::size_t line, QPointF top) const;

private:
    void LayOut(double width);

    const TRichDocument& m_document;
    QPaintDevice& m_device;
    TTextFormats m_formats;
    std::vector<std::unique_ptr<TParagraphLayout>> m_layouts;
    std::vector<TStageLine> m_lines;
};
