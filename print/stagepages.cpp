#include "print/stagepages.h"

#include "print/pageflow.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int FewestLinesOnScreen = 12;

// A line of which only the height counts: a flow without a painter never draws.
class TLineHeight : public TFlowParagraph {
public:
    explicit TLineHeight(double height) : m_height(height) {}

    int LineCount() const override { return 1; }
    double LineHeight(int) const override { return m_height; }
    void DrawLine(QPainter&, int, QPointF) const override {}

private:
    double m_height;
};

// The middle height of the lines with text: what "a line" of the song is.
double TypicalHeight(const std::vector<TStageLine>& lines) {
    std::vector<double> heights;
    for (const TStageLine& line : lines) {
        if (line.HasText && line.Height > 0)
            heights.push_back(line.Height);
    }
    if (heights.empty())
        return 0;
    std::nth_element(heights.begin(), heights.begin() + static_cast<std::ptrdiff_t>(heights.size() / 2), heights.end());
    return heights[heights.size() / 2];
}

double ZoomFor(const std::vector<TStageLine>& lines, double width, double height) {
    constexpr double none = std::numeric_limits<double>::infinity();
    double widest = 0;
    for (const TStageLine& line : lines)
        widest = std::max(widest, line.Width);
    const double typical = TypicalHeight(lines);
    const double zoom =
        std::min(widest > 0 ? width / widest : none, typical > 0 ? height / (FewestLinesOnScreen * typical) : none);
    return zoom == none ? 1 : std::max(zoom, 0.01);
}

// Where a page (or with one column, its first column) that starts at the line ends.
std::size_t PageEnd(const std::vector<TStageLine>& lines, std::size_t begin, double zoom, int columns, double height) {
    std::size_t end = lines.size();
    const TKeepPrinting stop = [&end, begin](int, std::size_t placed) {
        end = begin + placed;
        return false;
    };
    // The zoom may be the height over the song's: a sum of zoomed heights can exceed it by a rounding.
    TPageFlow flow({nullptr, nullptr, QRectF(0, 0, 1, height * (1 + 1e-9)), {}}, {false, columns}, stop);
    std::size_t index = begin;
    for (; index < lines.size(); ++index) {
        const TStageLine& line = lines[index];
        if (!flow.Add(std::make_unique<TLineHeight>(line.Height * zoom),
                      line.TiedToNext ? TKeepWithNext::Always : TKeepWithNext::No, line.HasText))
            break;
    }
    if (index == lines.size())
        flow.Finish();
    return end;
}

// The last line with text of the page, with the chord lines tied to it.
std::size_t RepeatedFrom(const std::vector<TStageLine>& lines, const TStagePage& page) {
    std::size_t last = page.End;
    while (last > page.Begin && !lines[last - 1].HasText)
        --last;
    if (last == page.Begin)
        return page.End;
    std::size_t first = last - 1;
    while (first > page.Begin && lines[first - 1].TiedToNext)
        --first;
    return first > page.Begin ? first : page.End;
}

TStagePage PageAt(const std::vector<TStageLine>& lines, std::size_t begin, double zoom, int columns, double height) {
    const std::size_t end = PageEnd(lines, begin, zoom, columns, height);
    return {begin, columns > 1 ? PageEnd(lines, begin, zoom, 1, height) : end, end};
}

} // namespace

// A song that two columns would show smaller than one screen can show it whole stays in one.
TStageFit FitStage(const std::vector<TStageLine>& lines, const TStageArea& area) {
    const double oneColumn = ZoomFor(lines, area.Width, area.Height);
    double total = 0;
    for (const TStageLine& line : lines)
        total += line.Height;
    const double twoColumns = ZoomFor(lines, (area.Width - area.ColumnGap) / 2, area.Height);
    if (total * oneColumn <= area.Height || area.Width <= area.Height || twoColumns < area.WindowZoom)
        return {oneColumn, 1};
    const double wholeOnOneScreen = area.Height / total;
    return wholeOnOneScreen >= twoColumns ? TStageFit{wholeOnOneScreen, 1} : TStageFit{twoColumns, 2};
}

std::vector<TStagePage> StagePages(const std::vector<TStageLine>& lines, double zoom, int columns, double height) {
    std::vector<TStagePage> pages{PageAt(lines, 0, zoom, columns, height)};
    while (pages.back().End < lines.size()) {
        const TStagePage& last = pages.back();
        TStagePage next = PageAt(lines, RepeatedFrom(lines, last), zoom, columns, height);
        if (next.End <= last.End) // the repeated lines and the next one are more than a page
            next = PageAt(lines, last.End, zoom, columns, height);
        pages.push_back(next);
    }
    return pages;
}
