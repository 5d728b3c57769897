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

} // namespace
