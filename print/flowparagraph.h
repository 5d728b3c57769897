#pragma once

#include <QPointF>

class QPainter;

// A paragraph as a page flow places it: lines of known heights, drawn one at
// a time. Text laid out for a device is one; a flow that only finds where
// pages break needs no more than the heights.
class TFlowParagraph {
public:
    TFlowParagraph() = default;
    virtual ~TFlowParagraph() = default;
    TFlowParagraph(const TFlowParagraph&) = delete;
    TFlowParagraph& operator=(const TFlowParagraph&) = delete;

    virtual int LineCount() const = 0;
    virtual double LineHeight(int index) const = 0;
    // Draws the line with its top at the point.
    virtual void DrawLine(QPainter& painter, int index, QPointF top) const = 0;
};
