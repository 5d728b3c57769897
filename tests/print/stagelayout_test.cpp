#include "print/stagelayout.h"

#include <gtest/gtest.h>

namespace {

// Chord and text pairs of 20 pixels a line, a blank line after every four pairs.
std::vector<TStageLine> Pairs(int count) {
    std::vector<TStageLine> lines;
    for (int pair = 0; pair < count; ++pair) {
        lines.push_back({100, 20, true, true});
        lines.push_back({100, 20, false, true});
        if (pair % 4 == 3)
            lines.push_back({0, 20, false, false});
    }
    return lines;
}

// The zoom is 1 where the lines are 100 wide and the area 100 (or 2 × 100 and a gap) wide, and
// 12 lines of 20 fit its height. Only the wider one is wide.
const TStageArea OneColumn = {100, 250, 10, 1};
const TStageArea TwoColumns = {250, 240, 50, 1};

// The area of the columns the test is given.
class StageLayoutTest : public testing::TestWithParam<int> {
protected:
    static TStageArea Area() { return GetParam() == 1 ? OneColumn : TwoColumns; }
};

// Page Down from the start of each page and Page Up from the next come back to it.
TEST_P(StageLayoutTest, PageBackIsTheExactInverseOfPageForward) {
    const TStageLayout layout(Pairs(40), Area());
    ASSERT_EQ(1.0, layout.Fit().Zoom);
    ASSERT_GT(layout.Pages().size(), 3u);
    double position = 0;
    std::vector<double> visited = {position};
    for (double next = layout.NextPage(position); next != position; next = layout.NextPage(position)) {
        EXPECT_EQ(position, layout.PreviousPage(next));
        position = next;
        visited.push_back(position);
        EXPECT_EQ(layout.Shown(position), layout.Pages()[layout.PageAt(position)]);
    }
    ASSERT_EQ(layout.Pages().size(), visited.size());
    EXPECT_EQ(0.0, layout.PreviousPage(0));
    for (std::size_t page = 0; page < visited.size(); ++page)
        EXPECT_EQ(static_cast<double>(layout.Pages()[page].Begin), visited[page]);
}

// From the middle of a page, forward goes to the next page and back to the top of this one.
TEST_P(StageLayoutTest, FromBetweenPagesForwardAndBackGoToTheNearestPages) {
    const TStageLayout layout(Pairs(40), Area());
    const auto second = static_cast<double>(layout.Pages()[1].Begin);
    const auto third = static_cast<double>(layout.Pages()[2].Begin);
    EXPECT_EQ(third, layout.NextPage(second + 0.5));
    EXPECT_EQ(second, layout.PreviousPage(second + 0.5));
    EXPECT_EQ(1u, layout.PageAt(second + 0.5));
}

// Scrolling moves by lines and stops where the song's end is in view.
TEST_P(StageLayoutTest, ScrollingStopsWhereTheEndIsInView) {
    const TStageLayout layout(Pairs(40), Area());
    const double last = layout.LastPosition();
    EXPECT_EQ(1.5, layout.Scrolled(0, 1.5));
    EXPECT_EQ(last, layout.Scrolled(last - 0.25, 3));
    EXPECT_EQ(last + 2, layout.Scrolled(last + 2, 1)); // turned beyond it: scrolling leaves it there
    if (layout.Fit().Columns > 1) {
        EXPECT_EQ(static_cast<double>(layout.Pages().back().Begin), last);
        return;
    }
    const double songHeight = layout.Offset(static_cast<double>(layout.Lines().size()));
    EXPECT_DOUBLE_EQ(songHeight - 250, layout.Offset(last)); // the last line's foot at the screen's
}

INSTANTIATE_TEST_SUITE_P(Columns, StageLayoutTest, testing::Values(1, 2));

// Between pages one column shows every line at least partly in view.
TEST(StageLayout, AScrolledColumnShowsWhatIsPartlyInView) {
    const TStageLayout layout(Pairs(40), OneColumn);
    ASSERT_EQ(1, layout.Fit().Columns);
    EXPECT_DOUBLE_EQ(50, layout.Offset(2.5));
    const TStagePage shown = layout.Shown(2.5); // 50 to 300: lines 2 (40 to 60) to 14 (280 to 300)
    EXPECT_EQ(2u, shown.Begin);
    EXPECT_EQ(15u, shown.End);
}

TEST(StageLayout, TwoColumnsShowThePageOfThePosition) {
    const TStageLayout layout(Pairs(40), TwoColumns);
    ASSERT_EQ(2, layout.Fit().Columns);
    EXPECT_EQ(100.0, layout.ColumnWidth());
    const TStagePage& second = layout.Pages()[1];
    EXPECT_EQ(second, layout.Shown(static_cast<double>(second.Begin) + 0.7));
}

} // namespace
