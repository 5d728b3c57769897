#pragma once

#include "print/flowparagraph.h"
#include "render/paragraphwalk.h"

#include <QTextLayout>
#include <deque>

class QPaintDevice;
class QPainter;

// Turns formats into Qt's once each: a songbook has a handful of formats in
// a hundred thousand runs.
class TTextFormats {
public:
    const QTextCharFormat& Of(const TCharacterFormat& format);

private:
    std::deque<std::pair<TCharacterFormat, QTextCharFormat>> m_known; // references stay valid as it grows
};

// One paragraph laid out on its own for a device, wrapped to a width, its
// lines from 0 down: no coordinate grows with the document it belongs to.
class TParagraphLayout : public TFlowParagraph {
public:
    TParagraphLayout(const TParagraphRuns& paragraph, QPaintDevice& device, double width, TTextFormats& formats);

    int LineCount() const override { return m_layout.lineCount(); }
    double LineHeight(int index) const override { return m_layout.lineAt(index).height(); }
    void DrawLine(QPainter& painter, int index, QPointF top) const override;
    // How wide the widest line is with its indent: the width it needs not to wrap.
    double NaturalWidth() const;

private:
    QTextLayout m_layout;
    double m_indent;
};
