#include "chords/chordlines.h"
#include "library/artist.h"
#include "tests/chords/chordfixture.h"
#include "tests/support/songfixture.h"

#include <gtest/gtest.h>

namespace {

struct TReadingCase {
    const char* Line; // UTF-8
    bool Chords;
};

TEST(ReadsAsChords, WhenChordsAreNoFewerThanOtherWords) {
    const TReadingCase cases[] = {
        {"Am", true},
        {"  Am      G   ", true},
        {"Am  G  |  C  x2", true}, // the bar is no word
        {"N.C.  Am", true},
        {"(Am)  |G  C|  Am-G  x2", true},
        {"Intro: riff  Am", false},
        {"C  a  e  h  G", false},
        {"Ami megmarad, az egyszer újra kinyílik.", false},
        {"Ősz van, ősz, a levél lehull,", false},
        {"A fa alatt", false},
        {"A ha", true}, // as many chords as words: too short to tell, taken as chords
        {"Hmoll  Fisz", false},
        {"|  ||:  -", false},
        {"", false},
        {"N.C.", false},
    };
    for (const TReadingCase& c : cases)
        EXPECT_EQ(c.Chords, ReadsAsChords(AnsiFromUtf8(c.Line))) << c.Line;
}

// A chords paragraph holds chords by its command; a verse with chords only at
// its chord positions, and only lines there that read as chords.
TEST(ChordLines, AreEveryChordsLineAndTheLinesOfAVerseWithChordsThatReadAsChords) {
    const std::unique_ptr<TArtist> artist =
        ArtistFromLines({".title T", ".normal", "Am", ".verse", "Am", ".defverse", "Am  G", "Ami megmarad, az", "", "C",
                         "Hej, Bodri", ".chords", "Intro: riff x2", "", ".tab", "Am", ".details", "Am x02210", "G"});
    std::vector<bool> actual;
    for (const TParagraph* paragraph = artist->FirstSong->FirstParagraph.get(); paragraph;
         paragraph = paragraph->Next.get()) {
        std::size_t position = 0;
        for (std::string_view line : paragraph->Lines)
            actual.push_back(IsChordLine(paragraph->Kind, position++, line));
    }
    EXPECT_EQ((std::vector<bool>{0, 0, 1, 0, 0, 0, 0, 1, 1, 0, 0, 0}), actual);
    EXPECT_EQ((std::vector<std::string_view>{"Am  G", "Intro: riff x2", ""}), ChordLines(*artist->FirstSong));
}

struct TBlankCase {
    std::vector<std::string> Lines; // of a verse with chords
    std::vector<std::size_t> Swapping;
};

TEST(SwappingBlankLines, AreTheBlankLinesAfterWhichChordsAndLyricsTradePlaces) {
    const TBlankCase cases[] = {
        {{"Am  G", "Hej,", "", "Am  G", "szöveg"}, {2}},     // the chords now stand in a text position
        {{"Am  G", "", "szöveg", "Am"}, {1}},                // the lyrics now stand in a chord position
        {{"Am  G", "Hej,", "", "szöveg sor"}, {}},           // an empty chord line over a line sung without chords
        {{"Am  G", "Hej,", "", "", "Am  G", "szöveg"}, {}},  // two blank lines keep the pairs
        {{"Am  G", "Hej,", "", "", "", "Am  G", "x"}, {2}},  // three do not; the first is named
        {{"Am  G", "Hej,", "", "Am", "Hej,", "", "C"}, {2}}, // the second blank puts the pairs back
        {{"Am  G", "Hej,", "Am", "", "Ami megmarad, az egyszer"}, {3}}, // lyrics where chords go
        {{"Am  G", "Hej,", ""}, {}},                                    // nothing after it
    };
    for (const TBlankCase& c : cases) {
        std::vector<std::string> file = {".title T", ".defverse"};
        file.insert(file.end(), c.Lines.begin(), c.Lines.end());
        const std::unique_ptr<TArtist> artist = ArtistFromLines(file);
        EXPECT_EQ(c.Swapping, SwappingBlankLines(*artist->FirstSong->FirstParagraph)) << c.Lines[2];
    }
    const std::unique_ptr<TArtist> chords = ArtistFromLines({".title T", ".chords", "Am", "", "szöveg"});
    EXPECT_TRUE(SwappingBlankLines(*chords->FirstSong->FirstParagraph).empty());
}

} // namespace
