#pragma once

#include "print/stagepages.h"

#include <cstddef>
#include <vector>

// A song fitted to a screen, and where on it the view can be. A place is a
// position in lines from the song's start (2.5: halfway down the third
// line): with one column the screen's top is there and scrolls smoothly;
// with two, the screen shows the page that position is on.
class TStageLayout {
public:
    TStageLayout(std::vector<TStageLine> lines, const TStageArea& area);

    const std::vector<TStageLine>& Lines() const { return m_lines; }
    const TStageFit& Fit() const { return m_fit; }
    const std::vector<TStagePage>& Pages() const { return m_pages; }
    double ColumnWidth() const;

    // Where the song's end is in view: with one column, its last line at
    // the foot of the screen (or the start, for a song that fits); with two,
    // the last page.
    double LastPosition() const;
    // The start of the first page after the position; the position itself after the last.
    double NextPage(double position) const;
    // The start of the last page before the position; the start of the song before the first.
    double PreviousPage(double position) const;
    // The page of the position: the last that starts before it or at it.
    std::size_t PageAt(double position) const;
    // The position moved on by so many lines, never beyond the last position
    // (nor back, when it is beyond it already).
    double Scrolled(double position, double lines) const;

    // The pixels of the song above the position, at the zoom.
    double Offset(double position) const;
    // The lines on the screen: at the start of a page, that page; else, with
    // one column, every line that is at least partly in view.
    TStagePage Shown(double position) const;

private:
    std::vector<TStageLine> m_lines;
    TStageArea m_area;
    TStageFit m_fit;
    std::vector<TStagePage> m_pages;
    std::vector<double> m_tops; // at the zoom, one more than there are lines
};
