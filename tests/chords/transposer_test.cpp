#include "chords/transposer.h"
#include "library/artist.h"
#include "tests/chords/chordfixture.h"

#include <gtest/gtest.h>

namespace {

constexpr auto H = TNotation::Hungarian;
constexpr auto E = TNotation::English;

// Tokens at fixed columns wide enough for every name they take below, so that
// the table shows names only.
std::string AtColumns(const std::vector<std::string>& tokens) {
    constexpr std::size_t Columns[] = {0, 8, 18, 25, 33};
    std::string line;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        line.resize(Columns[i], ' ');
        line += tokens[i];
    }
    return line;
}

struct TShiftRow {
    int Semitones;
    std::vector<std::string> English;
    std::vector<std::string> Hungarian;
};

// C major, with a chord outside the scale (B flat) and a bass outside it (F#).
TEST(TTransposer, SpellsEveryShiftInTheTargetKeyAndTheSongsNotation) {
    const TShiftRow rows[] = {
        {0, {"C", "Am7(b5)", "Bb", "D/F#", "Gsus4"}, {"C", "Am7(b5)", "B", "D/F#", "Gsus4"}},
        {1, {"Db", "Bbm7(b5)", "B", "Eb/G", "Absus4"}, {"Db", "Bm7(b5)", "H", "Eb/G", "Absus4"}},
        {2, {"D", "Bm7(b5)", "C", "E/G#", "Asus4"}, {"D", "Hm7(b5)", "C", "E/G#", "Asus4"}},
        {3, {"Eb", "Cm7(b5)", "C#", "F/A", "Bbsus4"}, {"Eb", "Cm7(b5)", "C#", "F/A", "Bsus4"}},
        {4, {"E", "C#m7(b5)", "D", "F#/A#", "Bsus4"}, {"E", "C#m7(b5)", "D", "F#/B", "Hsus4"}},
        {5, {"F", "Dm7(b5)", "D#", "G/B", "Csus4"}, {"F", "Dm7(b5)", "D#", "G/H", "Csus4"}},
        {6, {"F#", "D#m7(b5)", "E", "G#/C", "C#sus4"}, {"F#", "D#m7(b5)", "E", "G#/C", "C#sus4"}},
        {7, {"G", "Em7(b5)", "F", "A/C#", "Dsus4"}, {"G", "Em7(b5)", "F", "A/C#", "Dsus4"}},
        {8, {"Ab", "Fm7(b5)", "F#", "Bb/D", "Ebsus4"}, {"Ab", "Fm7(b5)", "F#", "B/D", "Ebsus4"}},
        {9, {"A", "F#m7(b5)", "G", "B/D#", "Esus4"}, {"A", "F#m7(b5)", "G", "H/D#", "Esus4"}},
        {10, {"Bb", "Gm7(b5)", "G#", "C/E", "Fsus4"}, {"B", "Gm7(b5)", "G#", "C/E", "Fsus4"}},
        {11, {"B", "G#m7(b5)", "A", "C#/F", "F#sus4"}, {"H", "G#m7(b5)", "A", "C#/F", "F#sus4"}},
        {-1, {"B", "G#m7(b5)", "A", "C#/F", "F#sus4"}, {"H", "G#m7(b5)", "A", "C#/F", "F#sus4"}},
        {-2, {"Bb", "Gm7(b5)", "Ab", "C/E", "Fsus4"}, {"B", "Gm7(b5)", "Ab", "C/E", "Fsus4"}},
        {-3, {"A", "F#m7(b5)", "G", "B/Eb", "Esus4"}, {"A", "F#m7(b5)", "G", "H/Eb", "Esus4"}},
        {-4, {"Ab", "Fm7(b5)", "Gb", "Bb/D", "Ebsus4"}, {"Ab", "Fm7(b5)", "Gb", "B/D", "Ebsus4"}},
        {-5, {"G", "Em7(b5)", "F", "A/Db", "Dsus4"}, {"G", "Em7(b5)", "F", "A/Db", "Dsus4"}},
        {-6, {"F#", "D#m7(b5)", "E", "G#/C", "C#sus4"}, {"F#", "D#m7(b5)", "E", "G#/C", "C#sus4"}},
        {-7, {"F", "Dm7(b5)", "Eb", "G/B", "Csus4"}, {"F", "Dm7(b5)", "Eb", "G/H", "Csus4"}},
        {-8, {"E", "C#m7(b5)", "D", "F#/Bb", "Bsus4"}, {"E", "C#m7(b5)", "D", "F#/B", "Hsus4"}},
        {-9, {"Eb", "Cm7(b5)", "Db", "F/A", "Bbsus4"}, {"Eb", "Cm7(b5)", "Db", "F/A", "Bsus4"}},
        {-10, {"D", "Bm7(b5)", "C", "E/Ab", "Asus4"}, {"D", "Hm7(b5)", "C", "E/Ab", "Asus4"}},
        {-11, {"Db", "Bbm7(b5)", "B", "Eb/G", "Absus4"}, {"Db", "Bm7(b5)", "H", "Eb/G", "Absus4"}},
    };
    const std::string english = AtColumns(rows[0].English);
    const std::string hungarian = AtColumns(rows[0].Hungarian);
    for (const TShiftRow& row : rows) {
        // Whole octaves further the same way change nothing; the way still counts.
        for (int octaves : {0, 1, 2}) {
            const int semitones = row.Semitones + (row.Semitones < 0 ? -12 : 12) * octaves;
            // The Bb tells the English song apart whatever the user's setting.
            EXPECT_EQ(AtColumns(row.English), Transposed({english}, semitones, H)[0]) << semitones;
            EXPECT_EQ(AtColumns(row.Hungarian), Transposed({hungarian}, semitones, H)[0]) << semitones;
        }
    }
}

struct TLineCase {
    std::string Line;
    int Semitones;
    TNotation Fallback;
    std::string Expected;
};

TEST(TTransposer, KeepsEachNotationsSpellingAndEveryOtherToken) {
    const TLineCase cases[] = {
        {"H", 1, E, "C"},
        {"H", -1, E, "B"},
        {"A  H", 1, E, "B  C"},
        {"H  Bb", -1, E, "B  A"},         // an English B flat in a Hungarian song
        {"F  B  C", 2, H, "G  C  D"},     // Hungarian B is B flat
        {"E  B7", 1, E, "F  C7"},         // English B is B natural
        {"F#  A#m", 2, H, "Ab  Cm"},      // English by its A#
        {"C   Hdim", -1, H, "H   A#dim"}, // A# where the key's scale has it
        {"C   F#", 4, H, "E   B"},        // else B in Hungarian
        {"C   F#", 4, E, "E   A#"},
        {"G   F#dim", -1, E, "F#  Fdim"}, // no E# in F# major
        {"Em   F#dim", -1, H, "D#m  Fdim"},
        {"C   B", 1, H, "Db  H"}, // no Cb in D flat major
        {"D/F#", 2, E, "E/G#"},
        {"C/E", -1, H, "H/D#"},
        {"Am/G", 3, E, "Cm/Bb"},
        {"G/H", 1, E, "Ab/C"},
        {"C  N.C.  G  x2", 1, H, "Db N.C.  Ab x2"},
        {"C |x2|   G riff", 6, E, "F# |x2|  C# riff"},
        {"C  a  e  h  G", 2, E, "D  a  e  h  A"},
    };
    for (const TLineCase& c : cases)
        EXPECT_EQ(std::vector<std::string>{c.Expected}, Transposed({c.Line}, c.Semitones, c.Fallback)) << c.Line;
}

TEST(TTransposer, KeepsSuffixesVerbatimAndLeavesOtherWordsAlone) {
    for (const char* suffix :
         {"m", "mi", "min", "maj7", "M7", "9",    "13",     "6",    "sus", "sus2",  "sus4",    "add9",     "dim7",
          "°", "°7", "aug", "+",    "5",  "m7b5", "m7(b5)", "7(9)", "7+",  "mmaj7", "m(maj7)", "7(b9,#11)"})
        EXPECT_EQ(std::vector<std::string>{std::string("D") + suffix}, Transposed({std::string("C") + suffix}, 2, H));
    const std::vector<std::string> words = {"N.C.  x2  |  (  riff  /  a  e  h  am  Ha  C/  (C)  C6/9  ||:  Árvíztűrő"};
    for (int semitones = -11; semitones <= 11; ++semitones)
        EXPECT_EQ(words, Transposed(words, semitones, E)) << semitones;
}

struct TKeyCase {
    std::string FirstLine;
    int Semitones;
    TNotation Fallback;
    const char* Expected;
};

TEST(TTransposer, NamesTheKeyOfItsFirstChord) {
    const TKeyCase cases[] = {
        {"Am  E7", 0, H, "Am"}, {"Am", 2, H, "Hm"},  {"Am", 1, E, "Bbm"},   {"H7", -1, E, "B"},
        {"Ami", 0, H, "Am"},    {"CM7", 6, H, "F#"}, {"Cmaj7", 6, H, "F#"}, {"Dm", 1, H, "D#m"},
        {"C#m", 12, H, "C#m"},  {"C", -1, E, "B"},   {"Cdim", 0, H, "C"},   {"N.C.  Em", 0, H, "Em"},
        {"N.C.", 3, H, ""},
    };
    for (const TKeyCase& c : cases) {
        const std::unique_ptr<TArtist> artist = ChordsSong({c.FirstLine});
        EXPECT_EQ(c.Expected, TTransposer(*artist->FirstSong, c.Semitones, c.Fallback).KeyName())
            << c.FirstLine << " " << c.Semitones;
    }
}

} // namespace
