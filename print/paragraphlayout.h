#pragma once

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
class TParagraphLayout {
public:
    TParagraphLayout(const TParagraphRuns& paragraph, QPaintDevice& device, double width, TTextFormats& formats);

    int LineCount() const { return m_layout.lineCount(); }
    double LineHeight(int index) const { return m_layout.lineAt(index).height(); }
    // Draws the line with its top at the point.
    void DrawLine(QPainter& painter, int index, QPointF top) const;

private:
    QTextLayout m_layout;
};
