#include "print/stagepages.h"

#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <string>

namespace {

// A song as the renderer makes it: a blank line, a header of taller lines,
// then verses of chord lines each tied to the text line under it, a blank
// line after each verse; "pairs" of 0 makes verses of text lines only.
std::vector<TStageLine> Song(int verses, int linesPerVerse, bool pairs, double lineHeight = 16) {
    std::vector<TStageLine> lines = {{0, 10, false, false}, {200, 30, false, true}, {260, 30, false, true}};
    for (int verse = 0; verse < verses; ++verse) {
        for (int line = 0; line < linesPerVerse; ++line) {
            if (pairs)
                lines.push_back({120, lineHeight, true, true});
            lines.push_back({180.0 + line, lineHeight, false, true});
        }
        lines.push_back({0, lineHeight, false, false});
    }
    return lines;
}

double Height(const std::vector<TStageLine>& lines, std::size_t begin, std::size_t end, double zoom) {
    double height = 0;
    for (std::size_t line = begin; line < end; ++line)
        height += lines[line].Height * zoom;
    return height;
}

// The chord lines tied to the line, and the line: what is never parted.
std::size_t UnitEnd(const std::vector<TStageLine>& lines, std::size_t begin) {
    std::size_t end = begin;
    while (end < lines.size() && lines[end].TiedToNext)
        ++end;
    return std::min(end + 1, lines.size());
}

// Each column holds what fits and no more: the unit after it would not fit
// (a unit taller than a column fills it and breaks where full); it never
// ends on a chord line unless that unit alone is taller than a column.
void ExpectFullColumn(const std::vector<TStageLine>& lines, std::size_t begin, std::size_t end, double zoom,
                      double height, const std::string& where) {
    const double used = Height(lines, begin, end, zoom);
    const bool oneTallLine = end == begin + 1 && used > height;
    EXPECT_TRUE(used <= height + 1e-9 || oneTallLine) << where;
    if (end >= lines.size() || end == begin)
        return;
    const double next = Height(lines, end, UnitEnd(lines, end), zoom);
    if (!lines[end - 1].TiedToNext)
        EXPECT_GT(used + (next > height ? lines[end].Height * zoom : next), height) << where << " room was left";
    else
        EXPECT_GT(Height(lines, end - 1, UnitEnd(lines, end - 1), zoom), height) << where << " a pair was parted";
}

struct TPagesCase {
    const char* Name;
    std::vector<TStageLine> Lines;
    double Zoom;
    double Height;
    bool EveryPageRepeats; // else only where a page holds more than the repeated lines and the next
};

std::vector<TPagesCase> PagesCases() {
    return {
        {"pairs", Song(6, 4, true), 1, 150, true},
        {"pairs zoomed", Song(6, 4, true), 1.7, 333, true},
        {"pairs on a tall screen", Song(3, 5, true), 1, 1000, true},
        {"text only", Song(5, 6, false), 1, 100, true},
        {"a pair taller than the screen", Song(3, 3, true, 60), 1, 100, false},
        {"lines taller than the screen", Song(2, 2, false, 90), 1.5, 100, false},
        {"one line", {{10, 10, false, true}}, 1, 100, false},
        {"blank verses", Song(4, 0, true), 1, 40, false},
    };
}

class StagePagesTest : public testing::TestWithParam<int> {};

// Every line is on some page, and only the repeated lines (the last unit
// with text of a page, and blank lines after it) are on two.
TEST_P(StagePagesTest, EveryLineIsOnExactlyOnePageBesidesTheRepeatedPair) {
    const int columns = GetParam();
    for (const TPagesCase& test : PagesCases()) {
        const std::vector<TStagePage> pages = StagePages(test.Lines, test.Zoom, columns, test.Height);
        ASSERT_FALSE(pages.empty()) << test.Name;
        EXPECT_EQ(0u, pages.front().Begin) << test.Name;
        EXPECT_EQ(test.Lines.size(), pages.back().End) << test.Name;
        std::map<std::size_t, int> shown;
        for (std::size_t index = 0; index < pages.size(); ++index) {
            const TStagePage& page = pages[index];
            const std::string where = std::string(test.Name) + ", page " + std::to_string(index);
            ASSERT_TRUE(page.Begin <= page.ColumnEnd && page.ColumnEnd <= page.End) << where;
            EXPECT_EQ(columns == 1 ? page.End : page.ColumnEnd, page.ColumnEnd) << where;
            ExpectFullColumn(test.Lines, page.Begin, page.ColumnEnd, test.Zoom, test.Height, where + " column 1");
            if (columns > 1)
                ExpectFullColumn(test.Lines, page.ColumnEnd, page.End, test.Zoom, test.Height, where + " column 2");
            for (std::size_t line = page.Begin; line < page.End; ++line)
                ++shown[line];
            if (index == 0)
                continue;
            const TStagePage& before = pages[index - 1];
            ASSERT_GT(page.Begin, before.Begin) << where;
            ASSERT_LE(page.Begin, before.End) << where;
            if (page.Begin == before.End) {
                EXPECT_FALSE(test.EveryPageRepeats) << where << ": nothing was repeated";
                continue;
            }
            const std::size_t unitEnd = UnitEnd(test.Lines, page.Begin);
            EXPECT_TRUE(test.Lines[unitEnd - 1].HasText) << where;
            for (std::size_t line = unitEnd; line < before.End; ++line)
                EXPECT_FALSE(test.Lines[line].HasText) << where << ": more than the last pair is repeated";
        }
        for (std::size_t line = 0; line < test.Lines.size(); ++line) {
            bool repeated = false;
            for (std::size_t index = 1; index < pages.size(); ++index)
                repeated |= line >= pages[index].Begin && line < pages[index - 1].End;
            EXPECT_EQ(repeated ? 2 : 1, shown[line]) << test.Name << ", line " << line;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Columns, StagePagesTest, testing::Values(1, 2));

// A chord line that would fit at the foot of the first column goes to the
// second with its text, and the first page's last pair opens the second page.
TEST(StagePages, TwoColumnsNeverPartAPairAndTheNextPageRepeatsTheLastOne) {
    const std::vector<TStageLine> lines = {{10, 20, false, true}, {10, 20, true, true},  {10, 20, false, true},
                                           {10, 20, true, true},  {10, 20, false, true}, {10, 20, true, true},
                                           {10, 20, false, true}, {10, 20, false, true}};
    const std::vector<TStagePage> pages = StagePages(lines, 1, 2, 85);
    ASSERT_EQ(2u, pages.size());
    EXPECT_EQ((TStagePage{0, 3, 7}), pages[0]); // 60 of 85 in the first column: the chord line alone would fit
    EXPECT_EQ((TStagePage{5, 8, 8}), pages[1]);
}

struct TFitCase {
    const char* Name;
    std::vector<TStageLine> Lines;
    TStageArea Area;
    TStageFit Expected;
};

TEST(StagePages, TheLongestLineFitsTheWidthInOneColumnOrTwo) {
    const std::vector<TStageLine> longSong = Song(8, 4, true);  // 260 wide at most (a title), 1222 high
    const std::vector<TStageLine> shortSong = Song(1, 2, true); // 150 high
    std::vector<TStageLine> tab = longSong;
    tab.push_back({1000, 16, false, true});
    const TFitCase cases[] = {
        {"a short song", shortSong, {1000, 800, 40, 1}, {1000 / 260.0, 1}},
        {"a long song on a wide screen", longSong, {1000, 800, 40, 1}, {480 / 260.0, 2}},
        {"a song that fits a wide screen whole, larger than in two columns",
         Song(2, 4, true),
         {1000, 800, 40, 1},
         {800 / 358.0, 1}},
        {"a long song on a tall screen", longSong, {800, 1000, 40, 1}, {800 / 260.0, 1}},
        {"a long song, smaller in two columns than in its window", longSong, {1000, 800, 40, 2}, {1000 / 260.0, 1}},
        {"a long line", tab, {1000, 800, 40, 1}, {1, 1}},
        {"short lines on a big screen", shortSong, {4000, 800, 40, 1}, {800 / (12 * 16.0), 1}},
        {"nothing", {}, {1000, 800, 40, 1}, {1, 1}},
    };
    for (const TFitCase& test : cases) {
        const TStageFit fit = FitStage(test.Lines, test.Area);
        EXPECT_DOUBLE_EQ(test.Expected.Zoom, fit.Zoom) << test.Name;
        EXPECT_EQ(test.Expected.Columns, fit.Columns) << test.Name;
    }
}

} // namespace
