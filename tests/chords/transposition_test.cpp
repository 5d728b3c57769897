#include "chords/transposition.h"
#include "library/artist.h"
#include "render/plaintextwriter.h"
#include "render/songrenderer.h"
#include "tests/chords/chordfixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// The song as the viewer shows it, shifted, one UTF-8 line per entry.
std::vector<std::string> ShownLines(const TArtist& artist, TSongShift shift, TNotation fallback) {
    TRichDocument document(StandardPixelsPerInch);
    TTransposition transposition(shift, fallback);
    RenderArtist(artist, document, {StyleFonts, StandardPixelsPerInch}, transposition);
    std::vector<std::string> lines;
    const std::string text = PlainText(document);
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

const std::vector<std::string> Song = {
    ".artist Zenekar",
    ".title Dal",
    ".authors Szerző",
    ".defverse",
    "H       E",
    "Hej, Bodri",
    "",
    "Fis7",
    ".chords",
    "H7 x2 | E",
    ".details",
    "Capo 2",
    "Am x02210",
    ".tab",
    "E|--2--|",
    ".verse",
    "A B C",
    ".title Másik",
    ".defverse",
    "Bb      F/A",
    "szöveg",
};

} // namespace

// Only chord lines move; verses, details and tablature keep every byte. Each
// song keeps its own notation: the first (in E major, ending H7 E) writes H
// and B for B flat, the second B and Bb, whatever the fallback.
TEST(TTransposition, MovesTheChordLinesOfEachSongInItsOwnNotation) {
    const std::unique_ptr<TArtist> artist = ArtistFromLines(Song);
    const std::vector<std::string> shown = ShownLines(*artist, {2, 0}, TNotation::Hungarian);
    const std::vector<std::string> expected = {"",           "Zenekar",     "Dal",       "Szerző",  "",
                                               "C#      F#", "Hej, Bodri",  "Fis7",      "",        "C#7 x2 | F#",
                                               "",           "Capo 2",      "Am x02210", "",        "E|--2--|",
                                               "",           "A B C",       "",          "Zenekar", "Másik",
                                               "",           "C       G/B", "szöveg"};
    EXPECT_EQ(expected, shown);
    const std::vector<std::string> english = ShownLines(*artist, {-1, 0}, TNotation::English);
    EXPECT_EQ("B       Eb", english[5]); // Hungarian H down a semitone is B flat, written B
    EXPECT_EQ("A       E/G#", english[21]);
}

// The capo shows the shapes to play, the song lowered by its fret, with a
// line saying so under the header; no shift shows the song as it is.
TEST(TTransposition, ShowsTheCapoLineAndTheShapesToPlay) {
    const std::unique_ptr<TArtist> artist = ArtistFromLines(Song);
    const std::vector<std::string> plain = ShownLines(*artist, {}, TNotation::Hungarian);
    EXPECT_EQ("H       E", plain[5]);
    const std::vector<std::string> capo = ShownLines(*artist, {0, 2}, TNotation::Hungarian);
    EXPECT_EQ((std::vector<std::string>{"", "Capo 2", "", "A       D"}),
              std::vector<std::string>(capo.begin() + 4, capo.begin() + 8));
    EXPECT_EQ("A       D", ShownLines(*artist, {2, 4}, TNotation::Hungarian)[7]);
    EXPECT_EQ(plain, ShownLines(*artist, {12, 0}, TNotation::Hungarian));
    // A capo as high as the shift plays the song's own shapes, by whole
    // octaves too: each song is as it is but for its capo line.
    for (const TSongShift shift : {TSongShift{3, 3}, TSongShift{-9, 3}}) {
        std::vector<std::string> shapes = ShownLines(*artist, shift, TNotation::Hungarian);
        EXPECT_EQ("Capo 3", shapes[5]) << shift.Semitones;
        for (auto capo = std::find(shapes.begin(), shapes.end(), "Capo 3"); capo != shapes.end();
             capo = std::find(shapes.begin(), shapes.end(), "Capo 3"))
            shapes.erase(capo - 1, capo + 1);
        EXPECT_EQ(plain, shapes) << shift.Semitones;
    }
}

TEST(ShiftCaption, SaysWhatIsInForce) {
    EXPECT_EQ("", ShiftCaption({}));
    EXPECT_EQ(" (+2)", ShiftCaption({2, 0}));
    EXPECT_EQ(" (-1)", ShiftCaption({-1, 0}));
    EXPECT_EQ(" (capo 3)", ShiftCaption({0, 3}));
    EXPECT_EQ(" (+2, capo 3)", ShiftCaption({2, 3}));
    EXPECT_EQ((TSongShift{-11, 11}), Normalized({-23, 40}));
    EXPECT_EQ((TSongShift{0, 0}), Normalized({12, -1}));
}
