#include "print/stagepages.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <string>

namespace {

constexpr TKeepWithNext No = TKeepWithNext::No, Pair = TKeepWithNext::Always, InVerse = TKeepWithNext::Verse,
                        Header = TKeepWithNext::Header;

// A song as the renderer makes it: a blank line, a header of taller lines
// tied to the first line of the song, then verses of chord lines each tied
// to the text line under it and every line tied to the next of its verse, a
// blank line after each verse; "pairs" of 0 makes verses of text lines only.
std::vector<TStageLine> Song(int verses, int linesPerVerse, bool pairs, double lineHeight = 16) {
    std::vector<TStageLine> lines = {{0, 10, No, false}, {200, 30, Header, true}, {260, 30, Header, true}};
    for (int verse = 0; verse < verses; ++verse) {
        for (int line = 0; line < linesPerVerse; ++line) {
            if (pairs)
                lines.push_back({120, lineHeight, Pair, true});
            lines.push_back({180.0 + line, lineHeight, line + 1 < linesPerVerse ? InVerse : No, true});
        }
        lines.push_back({0, lineHeight, No, false});
    }
    return lines;
}

double Height(const std::vector<TStageLine>& lines, std::size_t begin, std::size_t end, double zoom) {
    double height = 0;
    for (std::size_t line = begin; line < end; ++line)
        height += lines[line].Height * zoom;
    return height;
}

// The end of the lines tied to the one at begin by the ties that count.
std::size_t TiedEnd(const std::vector<TStageLine>& lines, std::size_t begin, bool pairsOnly) {
    std::size_t end = begin;
    while (end < lines.size() && (pairsOnly ? lines[end].TiedToNext() : lines[end].Keep != No))
        ++end;
    return std::min(end + 1, lines.size());
}

// The chord lines tied to the line, and the line: what is never parted.
std::size_t UnitEnd(const std::vector<TStageLine>& lines, std::size_t begin) {
    return TiedEnd(lines, begin, true);
}

// What a column break keeps whole from the line on: the rest of its verse
// when that fits a column, else the line with its chord line.
std::size_t KeptEnd(const std::vector<TStageLine>& lines, std::size_t begin, double zoom, double height) {
    const std::size_t verseEnd = TiedEnd(lines, begin, false);
    return Height(lines, begin, verseEnd, zoom) <= height ? verseEnd : UnitEnd(lines, begin);
}

// Each column holds what fits and no more: what is kept whole after it
// would not fit (a unit taller than a column fills it and breaks where
// full); it ends inside a verse only when the verse is taller than a column,
// and never on a chord line unless that unit alone is taller than a column.
void ExpectFullColumn(const std::vector<TStageLine>& lines, std::size_t begin, std::size_t end, double zoom,
                      double height, const std::string& where) {
    const double used = Height(lines, begin, end, zoom);
    const bool oneTallLine = end == begin + 1 && used > height;
    EXPECT_TRUE(used <= height + 1e-9 || oneTallLine) << where;
    if (end >= lines.size() || end == begin)
        return;
    const double next = Height(lines, end, KeptEnd(lines, end, zoom, height), zoom);
    if (lines[end - 1].Keep == No) {
        EXPECT_GT(used + (next > height ? lines[end].Height * zoom : next), height) << where << " room was left";
    } else if (lines[end - 1].TiedToNext()) {
        EXPECT_GT(Height(lines, end - 1, UnitEnd(lines, end - 1), zoom), height) << where << " a pair was parted";
    } else {
        std::size_t verseBegin = end - 1;
        while (verseBegin > begin && lines[verseBegin - 1].Keep != No)
            --verseBegin;
        // Blank lines above it count: moving it on would leave a column of nothing.
        while (verseBegin > begin && !lines[verseBegin - 1].HasText)
            --verseBegin;
        EXPECT_GT(Height(lines, verseBegin, TiedEnd(lines, end - 1, false), zoom), height)
            << where << " a verse that fits was parted";
    }
}

// A column of blank lines only, though the next line with text would have fitted under them.
bool NothingWhereTextFits(const std::vector<TStageLine>& lines, std::size_t begin, std::size_t end, double zoom,
                          double height) {
    const auto first = lines.begin() + static_cast<std::ptrdiff_t>(begin);
    const auto text = std::find_if(first, lines.end(), [](const TStageLine& line) { return line.HasText; });
    const auto next = static_cast<std::size_t>(text - lines.begin());
    return next >= end && next < lines.size() && Height(lines, begin, next + 1, zoom) <= height;
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
        {"pairs", Song(6, 4, true), 1, 180, true},
        {"verses as tall as the screen with their chords", Song(6, 4, true), 1, 150, false},
        {"pairs zoomed", Song(6, 4, true), 1.7, 333, true},
        {"pairs on a tall screen", Song(3, 5, true), 1, 1000, true},
        {"text only", Song(5, 6, false), 1, 130, true},
        {"verses as tall as the screen: kept whole, nothing repeated", Song(5, 6, false), 1, 100, false},
        {"a pair taller than the screen", Song(3, 3, true, 60), 1, 100, false},
        {"lines taller than the screen", Song(2, 2, false, 90), 1.5, 100, false},
        {"one line", {{10, 10, No, true}}, 1, 100, false},
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
            EXPECT_FALSE(NothingWhereTextFits(test.Lines, page.Begin, page.ColumnEnd, test.Zoom, test.Height))
                << where << ": a screen of nothing";
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
    const std::vector<TStageLine> lines = {{10, 20, No, true},   {10, 20, Pair, true}, {10, 20, No, true},
                                           {10, 20, Pair, true}, {10, 20, No, true},   {10, 20, Pair, true},
                                           {10, 20, No, true},   {10, 20, No, true}};
    const std::vector<TStagePage> pages = StagePages(lines, 1, 2, 85);
    ASSERT_EQ(2u, pages.size());
    EXPECT_EQ((TStagePage{0, 3, 7}), pages[0]); // 60 of 85 in the first column: the chord line alone would fit
    EXPECT_EQ((TStagePage{5, 8, 8}), pages[1]);
}

// A verse (or a stave of tablature) that fits a column goes whole to the
// next column rather than be cut where the first is full; one taller than a
// column is cut where it is full.
TEST(StagePages, AVerseThatFitsAColumnIsNotCutInTwo) {
    const std::vector<TStageLine> lines = {{10, 20, InVerse, true}, {10, 20, InVerse, true}, {10, 20, No, true},
                                           {0, 20, No, false},      {10, 20, InVerse, true}, {10, 20, InVerse, true},
                                           {10, 20, No, true},      {0, 20, No, false}};
    EXPECT_EQ((TStagePage{0, 4, 8}), StagePages(lines, 1, 2, 100).front()); // not {0, 5, 8}
    EXPECT_EQ((TStagePage{0, 2, 4}), StagePages(lines, 1, 2, 50).front());  // a verse of 60 in a column of 50
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
    tab.push_back({1000, 16, No, true});
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
