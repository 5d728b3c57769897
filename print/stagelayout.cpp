#include "print/stagelayout.h"

#include <algorithm>
#include <cmath>

namespace {

// Places closer than this are the same: positions come from sums of line fractions.
constexpr double SamePlace = 1e-6;

} // namespace

TStageLayout::TStageLayout(std::vector<TStageLine> lines, const TStageArea& area)
    : m_lines(std::move(lines)), m_area(area), m_fit(FitStage(m_lines, area)),
      m_pages(StagePages(m_lines, m_fit.Zoom, m_fit.Columns, area.Height)) {
    m_tops.reserve(m_lines.size() + 1);
    double top = 0;
    for (const TStageLine& line : m_lines) {
        m_tops.push_back(top);
        top += line.Height * m_fit.Zoom;
    }
    m_tops.push_back(top);
}

double TStageLayout::ColumnWidth() const {
    return m_fit.Columns > 1 ? (m_area.Width - m_area.ColumnGap) / 2 : m_area.Width;
}

double TStageLayout::LastPosition() const {
    if (m_fit.Columns > 1)
        return static_cast<double>(m_pages.back().Begin);
    const double hidden = m_tops.back() - m_area.Height;
    if (hidden <= 0)
        return 0;
    const auto line =
        static_cast<std::size_t>(std::upper_bound(m_tops.begin(), m_tops.end(), hidden) - m_tops.begin() - 1);
    return static_cast<double>(line) + (hidden - m_tops[line]) / (m_tops[line + 1] - m_tops[line]);
}

double TStageLayout::NextPage(double position) const {
    for (const TStagePage& page : m_pages) {
        if (static_cast<double>(page.Begin) > position + SamePlace)
            return static_cast<double>(page.Begin);
    }
    return position;
}

double TStageLayout::PreviousPage(double position) const {
    double previous = 0;
    for (const TStagePage& page : m_pages) {
        if (static_cast<double>(page.Begin) < position - SamePlace)
            previous = static_cast<double>(page.Begin);
    }
    return previous;
}

std::size_t TStageLayout::PageAt(double position) const {
    std::size_t index = 0;
    while (index + 1 < m_pages.size() && static_cast<double>(m_pages[index + 1].Begin) <= position + SamePlace)
        ++index;
    return index;
}

double TStageLayout::Scrolled(double position, double lines) const {
    const double last = LastPosition();
    return position >= last ? position : std::min(last, position + lines);
}

double TStageLayout::Offset(double position) const {
    const double line = std::clamp(std::floor(position), 0.0, static_cast<double>(m_lines.size()));
    const auto index = static_cast<std::size_t>(line);
    const double height = index < m_lines.size() ? m_tops[index + 1] - m_tops[index] : 0;
    return m_tops[index] + (position - line) * height;
}

TStagePage TStageLayout::Shown(double position) const {
    const TStagePage& page = m_pages[PageAt(position)];
    if (m_fit.Columns > 1 || std::abs(static_cast<double>(page.Begin) - position) <= SamePlace)
        return page;
    const double top = Offset(position);
    const auto begin =
        static_cast<std::size_t>(std::upper_bound(m_tops.begin(), m_tops.end() - 1, top) - m_tops.begin() - 1);
    const auto end = static_cast<std::size_t>(std::lower_bound(m_tops.begin(), m_tops.end() - 1, top + m_area.Height) -
                                              m_tops.begin());
    return {begin, end, end};
}
