#include "library/commandline.h"
#include "library/keyword.h"

#include <gtest/gtest.h>

namespace {

struct TSplitCase {
    const char* Line;
    const char* Command;
    const char* Text;
};

TEST(SplitCommandLine, SplitsAtTheFirstSpaceAfterTheDot) {
    const TSplitCase cases[] = {
        {".title Morning Tide", "title", "Morning Tide"},
        {".title  Two spaces", "title", " Two spaces"},
        {".verse", "verse", ""},
        {".verse Refrain", "verse", "Refrain"},
        {". .starts with a dot", "", ".starts with a dot"},
        {".", "", ""},
        {"", "", ""},
        {"   .title X", "", "   .title X"},
        {"  ", "", "  "},
        {".title\tName", "title\tName", ""},
        {".title\tName x", "title\tName", "x"},
        {"..", ".", ""},
        {".x ", "x", ""},
    };
    for (const TSplitCase& c : cases) {
        const TCommandLine split = SplitCommandLine(c.Line);
        EXPECT_EQ(c.Command, split.Command) << '"' << c.Line << '"';
        EXPECT_EQ(c.Text, split.Text) << '"' << c.Line << '"';
    }
}

TEST(MatchKeyword, ComparesWholeWordsIgnoringAsciiCase) {
    EXPECT_EQ(TKeyword::Title, MatchKeyword("title"));
    EXPECT_EQ(TKeyword::Title, MatchKeyword("TITLE"));
    EXPECT_EQ(TKeyword::Title, MatchKeyword("Title"));
    EXPECT_EQ(TKeyword::DefVerse, MatchKeyword("DefVerse"));
    EXPECT_EQ(TKeyword::PageTitle, MatchKeyword("pageTitle"));
    EXPECT_EQ(TKeyword::Vulg, MatchKeyword("vulg"));
    for (const char* other : {"titles", "titl", "title\t", " title", "", "vulgar", "verses", "t\xCDtle"})
        EXPECT_EQ(TKeyword::None, MatchKeyword(other)) << '"' << other << '"';
}

} // namespace
