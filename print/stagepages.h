#pragma once

#include <cstddef>
#include <vector>

// One line of a song as the performance view places it, measured at zoom 1.
struct TStageLine {
    double Width = 0;
    double Height = 0;
    bool TiedToNext = false; // a chord line: never parted from the line under it
    bool HasText = false;
};

// The room a screen gives a song, in pixels, and the zoom at which its text
// is as large as its song window shows it.
struct TStageArea {
    double Width = 0;
    double Height = 0;
    double ColumnGap = 0;
    double WindowZoom = 1;
};

struct TStageFit {
    double Zoom = 1;
    int Columns = 1;
};

// The zoom at which the longest line fills the width (never so large that
// fewer than a dozen lines fit the height). A song longer than the screen
// goes into two columns when the screen is wide and its text there is no
// smaller than in its window, unless one column can show it whole on one
// screen larger than that.
TStageFit FitStage(const std::vector<TStageLine>& lines, const TStageArea& area);

// One screenful: lines Begin to End, the second column from ColumnEnd (End
// when there is one column).
struct TStagePage {
    std::size_t Begin = 0;
    std::size_t ColumnEnd = 0;
    std::size_t End = 0;

    bool operator==(const TStagePage&) const = default;
};

// The screenfuls of the lines at the zoom, as paper breaks its pages and
// columns (a chord line never parted from the line under it). Each page
// after the first starts with the last line with text of the one before it,
// with the chord line it is tied to, unless that is all the page before held.
std::vector<TStagePage> StagePages(const std::vector<TStageLine>& lines, double zoom, int columns, double height);
