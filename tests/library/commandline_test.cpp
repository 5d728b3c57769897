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

// Keywords are looked up by their first letter: every one of them, in any
// letter case, must still be found.
TEST(MatchKeyword, ComparesWholeWordsIgnoringAsciiCase) {
    const std::pair<std::string, TKeyword> keywords[] = {
        {"pagetitle", TKeyword::PageTitle},
        {"artist", TKeyword::Artist},
        {"title", TKeyword::Title},
        {"authors", TKeyword::Authors},
        {"comment", TKeyword::Comment},
        {"new", TKeyword::New},
        {"mine", TKeyword::Mine},
        {"vulg", TKeyword::Vulg},
        {"normal", TKeyword::Normal},
        {"verse", TKeyword::Verse},
        {"defverse", TKeyword::DefVerse},
        {"chords", TKeyword::Chords},
        {"tab", TKeyword::Tab},
        {"details", TKeyword::Details},
    };
    for (const auto& [word, keyword] : keywords) {
        std::string upper = word;
        for (char& c : upper)
            c = static_cast<char>(c - 'a' + 'A');
        const std::string mixed = upper.substr(0, 1) + word.substr(1);
        for (const std::string& spelled : {word, upper, mixed})
            EXPECT_EQ(keyword, MatchKeyword(spelled)) << spelled;
    }
    EXPECT_EQ(TKeyword::PageTitle, MatchKeyword("pageTitle"));
    for (const char* other : {"titles", "titl", "title\t", " title", "", "vulgar", "verses", "t\xCDtle", "1title", "{"})
        EXPECT_EQ(TKeyword::None, MatchKeyword(other)) << '"' << other << '"';
}

} // namespace
