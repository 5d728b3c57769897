#include "chords/chordlines.h"
#include "chords/notation.h"
#include "library/artist.h"
#include "tests/chords/chordfixture.h"

#include <gtest/gtest.h>

namespace {

constexpr auto H = TNotation::Hungarian;
constexpr auto E = TNotation::English;

struct TDetectCase {
    std::vector<std::string> Lines;    // after the title line
    std::optional<TNotation> Expected; // nullopt: the fallback
};

TEST(DetectNotation, ReadsOnlyTheChordLines) {
    const TDetectCase cases[] = {
        {{".chords", "C  H7"}, H},
        {{".chords", "G/H"}, H},
        {{".defverse", "Hm", "szöveg"}, H},
        {{".chords", "Bb", ".defverse", "H"}, H},
        {{".chords", "F  Bb"}, E},
        {{".chords", "F#  A#m"}, E},
        {{".chords", "C/Bb"}, E},
        {{".chords", "E  B7"}, {}},
        {{".chords", "h  Hej  Bbx"}, {}},
        {{".defverse", "C", "H", "", "H"}, {}}, // text lines, empty ones counted
        {{".details", "H", "H 221100"}, {}},
        {{".tab", "H|---|", "Bb"}, {}},
        {{".verse", "H Bb"}, {}},
    };
    for (const TDetectCase& c : cases) {
        std::vector<std::string> file = {".title T"};
        file.insert(file.end(), c.Lines.begin(), c.Lines.end());
        const std::unique_ptr<TArtist> artist = ArtistFromLines(file);
        for (TNotation fallback : {H, E})
            EXPECT_EQ(c.Expected.value_or(fallback), DetectNotation(*artist->FirstSong, fallback)) << c.Lines[1];
    }
}

TEST(ChordLines, AreEveryChordsLineAndTheEvenLinesOfAVerseWithChords) {
    const std::unique_ptr<TArtist> artist =
        ArtistFromLines({".title T", ".normal", "n0", ".verse", "v0", ".defverse", "d0", "t1", "", "t3", "d4",
                         ".chords", "c0", "", ".tab", "a0", ".details", "e0", "e1"});
    std::vector<bool> actual;
    for (const TParagraph* paragraph = artist->FirstSong->FirstParagraph.get(); paragraph;
         paragraph = paragraph->Next.get())
        for (std::size_t position = 0; position < paragraph->Lines.size(); ++position)
            actual.push_back(IsChordLine(*paragraph, position));
    EXPECT_EQ((std::vector<bool>{0, 0, 1, 0, 1, 0, 1, 1, 1, 0, 0, 0}), actual);
    EXPECT_EQ((std::vector<std::string_view>{"d0", "", "d4", "c0", ""}), ChordLines(*artist->FirstSong));
}

} // namespace
