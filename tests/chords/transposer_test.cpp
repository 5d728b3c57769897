#include "chords/transposer.h"
#include "library/artist.h"
#include "tests/chords/chordfixture.h"

#include <gtest/gtest.h>
#include <span>

namespace {

constexpr auto H = TNotation::Hungarian;
constexpr auto E = TNotation::English;

// Tokens at fixed columns wide enough for every name they take below, so that
// the table shows names only.
std::string AtColumns(const std::vector<std::string>& tokens) {
    constexpr std::size_t Width = 9;
    std::string line;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        line.resize(Width * i, ' ');
        line += tokens[i];
    }
    return line;
}

struct TShiftRow {
    int Semitones;
    std::vector<std::string> English;
    std::vector<std::string> Hungarian;
};

// A song in C major (I IV vi II V I) with a chord outside the scale (B flat)
// and a bass outside it (F#), each moved into every key: the notes of the new
// key's scale as it spells them, the others sharp going up and flat going down.
TEST(TTransposer, SpellsEveryShiftInTheTargetKeyAndTheSongsNotation) {
    const TShiftRow rows[] = {
        {0,
         {"C", "F", "Am7(b5)", "Bb", "D/F#", "Gsus4", "G7", "C"},
         {"C", "F", "Am7(b5)", "B", "D/F#", "Gsus4", "G7", "C"}},
        {1,
         {"Db", "Gb", "Bbm7(b5)", "B", "Eb/G", "Absus4", "Ab7", "Db"},
         {"Db", "Gb", "Bm7(b5)", "H", "Eb/G", "Absus4", "Ab7", "Db"}},
        {2,
         {"D", "G", "Bm7(b5)", "C", "E/G#", "Asus4", "A7", "D"},
         {"D", "G", "Hm7(b5)", "C", "E/G#", "Asus4", "A7", "D"}},
        {3,
         {"Eb", "Ab", "Cm7(b5)", "C#", "F/A", "Bbsus4", "Bb7", "Eb"},
         {"Eb", "Ab", "Cm7(b5)", "C#", "F/A", "Bsus4", "B7", "Eb"}},
        {4,
         {"E", "A", "C#m7(b5)", "D", "F#/A#", "Bsus4", "B7", "E"},
         {"E", "A", "C#m7(b5)", "D", "F#/B", "Hsus4", "H7", "E"}},
        {5,
         {"F", "Bb", "Dm7(b5)", "D#", "G/B", "Csus4", "C7", "F"},
         {"F", "B", "Dm7(b5)", "D#", "G/H", "Csus4", "C7", "F"}},
        {6,
         {"F#", "B", "D#m7(b5)", "E", "G#/C", "C#sus4", "C#7", "F#"},
         {"F#", "H", "D#m7(b5)", "E", "G#/C", "C#sus4", "C#7", "F#"}},
        {7,
         {"G", "C", "Em7(b5)", "F", "A/C#", "Dsus4", "D7", "G"},
         {"G", "C", "Em7(b5)", "F", "A/C#", "Dsus4", "D7", "G"}},
        {8,
         {"Ab", "Db", "Fm7(b5)", "F#", "Bb/D", "Ebsus4", "Eb7", "Ab"},
         {"Ab", "Db", "Fm7(b5)", "F#", "B/D", "Ebsus4", "Eb7", "Ab"}},
        {9,
         {"A", "D", "F#m7(b5)", "G", "B/D#", "Esus4", "E7", "A"},
         {"A", "D", "F#m7(b5)", "G", "H/D#", "Esus4", "E7", "A"}},
        {10,
         {"Bb", "Eb", "Gm7(b5)", "G#", "C/E", "Fsus4", "F7", "Bb"},
         {"B", "Eb", "Gm7(b5)", "G#", "C/E", "Fsus4", "F7", "B"}},
        {11,
         {"B", "E", "G#m7(b5)", "A", "C#/F", "F#sus4", "F#7", "B"},
         {"H", "E", "G#m7(b5)", "A", "C#/F", "F#sus4", "F#7", "H"}},
        {-1,
         {"B", "E", "G#m7(b5)", "A", "C#/F", "F#sus4", "F#7", "B"},
         {"H", "E", "G#m7(b5)", "A", "C#/F", "F#sus4", "F#7", "H"}},
        {-2,
         {"Bb", "Eb", "Gm7(b5)", "Ab", "C/E", "Fsus4", "F7", "Bb"},
         {"B", "Eb", "Gm7(b5)", "Ab", "C/E", "Fsus4", "F7", "B"}},
        {-3,
         {"A", "D", "F#m7(b5)", "G", "B/Eb", "Esus4", "E7", "A"},
         {"A", "D", "F#m7(b5)", "G", "H/Eb", "Esus4", "E7", "A"}},
        {-4,
         {"Ab", "Db", "Fm7(b5)", "Gb", "Bb/D", "Ebsus4", "Eb7", "Ab"},
         {"Ab", "Db", "Fm7(b5)", "Gb", "B/D", "Ebsus4", "Eb7", "Ab"}},
        {-5,
         {"G", "C", "Em7(b5)", "F", "A/Db", "Dsus4", "D7", "G"},
         {"G", "C", "Em7(b5)", "F", "A/Db", "Dsus4", "D7", "G"}},
        {-6,
         {"F#", "B", "D#m7(b5)", "E", "G#/C", "C#sus4", "C#7", "F#"},
         {"F#", "H", "D#m7(b5)", "E", "G#/C", "C#sus4", "C#7", "F#"}},
        {-7,
         {"F", "Bb", "Dm7(b5)", "Eb", "G/B", "Csus4", "C7", "F"},
         {"F", "B", "Dm7(b5)", "Eb", "G/H", "Csus4", "C7", "F"}},
        {-8,
         {"E", "A", "C#m7(b5)", "D", "F#/Bb", "Bsus4", "B7", "E"},
         {"E", "A", "C#m7(b5)", "D", "F#/B", "Hsus4", "H7", "E"}},
        {-9,
         {"Eb", "Ab", "Cm7(b5)", "Db", "F/A", "Bbsus4", "Bb7", "Eb"},
         {"Eb", "Ab", "Cm7(b5)", "Db", "F/A", "Bsus4", "B7", "Eb"}},
        {-10,
         {"D", "G", "Bm7(b5)", "C", "E/Ab", "Asus4", "A7", "D"},
         {"D", "G", "Hm7(b5)", "C", "E/Ab", "Asus4", "A7", "D"}},
        {-11,
         {"Db", "Gb", "Bbm7(b5)", "B", "Eb/G", "Absus4", "Ab7", "Db"},
         {"Db", "Gb", "Bm7(b5)", "H", "Eb/G", "Absus4", "Ab7", "Db"}},
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

// Each case's line as a song's only chord line, transposed.
void ExpectTransposed(std::span<const TLineCase> cases) {
    for (const TLineCase& c : cases)
        EXPECT_EQ(std::vector<std::string>{c.Expected}, Transposed({c.Line}, c.Semitones, c.Fallback)) << c.Line;
}

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
        {"C  F  G  B  C", 1, H, "Db Gb Ab H  Db"}, // no Cb in D flat major
        {"D/F#", 2, E, "E/G#"},
        {"C/E", -1, H, "H/D#"},
        {"Am/G", 3, E, "Cm/Bb"},
        {"G/H", 1, E, "Ab/C"},
        {"C  N.C.  G  x2", 1, H, "Db N.C.  Ab x2"},
        {"C |x2|   G riff", 6, E, "Gb |x2|  Db riff"}, // the song ends on G: D flat major
        {"C  a  e  h  G", 2, E, "D  a  e  h  A"},
    };
    ExpectTransposed(cases);
}

TEST(TTransposer, KeepsSuffixesVerbatimAndLeavesOtherWordsAlone) {
    for (const char* suffix :
         {"m", "mi", "min", "maj7", "M7", "9",    "13",     "6",    "sus", "sus2",  "sus4",    "add9",     "dim7",
          "°", "°7", "aug", "+",    "5",  "m7b5", "m7(b5)", "7(9)", "7+",  "mmaj7", "m(maj7)", "7(b9,#11)"})
        EXPECT_EQ(std::vector<std::string>{std::string("D") + suffix}, Transposed({std::string("C") + suffix}, 2, H));
    const std::vector<std::string> words = {
        "N.C.  x2  |  (  riff  /  a  e  h  am  Ha  C/  ||:  (x2)  |x2|  (riff)  Am-riff  Am--G  -  Árvíztűrő"};
    for (int semitones = -11; semitones <= 11; ++semitones)
        EXPECT_EQ(words, Transposed(words, semitones, E)) << semitones;
}

// Chords in brackets, against bar lines or joined by dashes move with what
// stands around them kept, each word at its column.
TEST(TTransposer, MovesChordsInBracketsAgainstBarsAndJoinedByDashes) {
    const TLineCase cases[] = {
        {"C6/9  (Am)  |Am  Am|  Am-G", 2, H, "D6/9  (Hm)  |Hm  Hm|  Hm-A"},
        {"|:Am   F   E7:|  (Am)", 1, H, "|:Bm   Gb  F7:|  (Bm)"},
        {"Am-G   C", 2, E, "Bm-A   D"},
        {"Am-G C", 2, E, "Bm-A D"},
        {"(C)  [F]  G7|", -1, E, "(B)  [E]  F#7|"},
        {"(Am7(b5))  E7  Am", 3, H, "(Cm7(b5))  G7  Cm"},
        {"C  (Am  G)  x2", 4, E, "E  (C#m B)  x2"},
    };
    ExpectTransposed(cases);
}

// Each chord as a song of its own, moved by every shift and back, gives
// itself again: each is spelled as its own key spells its tonic, and a bass
// as that key spells it.
TEST(TTransposer, MovesEveryChordUpAndBackToItself) {
    const std::vector<std::string> english = {
        "C",    "Db",     "D",      "Eb",   "E",     "F",    "F#",    "G",    "Ab",       "A",    "Bb",
        "B",    "Cm",     "C#m",    "Dm",   "D#m",   "Em",   "Fm",    "F#m",  "Gm",       "G#m",  "Am",
        "Bbm",  "Bm",     "Cmaj7",  "C#m7", "Dsus4", "Eb7",  "E7/G#", "F6/9", "F#m7(b5)", "Gdim", "Ab+",
        "A/C#", "Bbadd9", "B7sus4", "Bm/A", "D/F#",  "Am/G", "(Am)",  "|G",   "Em-D",     "C6/9",
    };
    const auto hungarian = [](std::string chord) {
        for (std::size_t at = 0; at < chord.size(); ++at) {
            if (chord[at] == 'B' && at + 1 < chord.size() && chord[at + 1] == 'b')
                chord.erase(at + 1, 1);
            else if (chord[at] == 'B')
                chord[at] = 'H';
        }
        return chord;
    };
    for (TNotation notation : {E, H})
        for (const std::string& englishChord : english) {
            const std::string chord = notation == E ? englishChord : hungarian(englishChord);
            for (int semitones = -11; semitones <= 11; ++semitones) {
                const std::vector<std::string> moved = Transposed({chord}, semitones, notation);
                EXPECT_EQ(std::vector<std::string>{chord}, Transposed(moved, -semitones, notation))
                    << chord << " by " << semitones << ": " << moved[0];
                EXPECT_EQ(semitones == 0, moved[0] == chord) << chord << " by " << semitones;
            }
        }
}

struct TKeyCase {
    std::string FirstLine;
    int Semitones;
    TNotation Fallback;
    const char* Expected;
};

// The key that holds the most of the chords' tones; of keys that hold as
// many, the last chord's, then the first's.
TEST(TTransposer, NamesTheKeyItsChordsShow) {
    const TKeyCase cases[] = {
        {"Am  E7", 0, H, "Am"},
        {"Am", 2, H, "Hm"},
        {"Am", 1, E, "Bbm"},
        {"H7", -1, E, "B"},
        {"Ami", 0, H, "Am"},
        {"CM7", 6, H, "F#"},
        {"Cmaj7", 6, H, "F#"},
        {"Dm", 1, H, "D#m"},
        {"C#m", 12, H, "C#m"},
        {"C", -1, E, "B"},
        {"Cdim7  Dm  G7  C", 0, H, "C"}, // not E minor, though Cdim7 sounds its D# and F#
        {"N.C.  Em", 0, H, "Em"},
        {"N.C.", 3, H, ""},
        {"E7  Am  Dm  G7  C  F  H7", 0, H, "Am"}, // E7's G# is A minor's leading tone
        {"E7  Am  Dm  G7  C  F  H7", 3, H, "Cm"},
        {"E7  Am  Dm  G7  C  F  H7", -1, H, "G#m"},
        {"C  G  Am  F  G  C", 0, H, "C"}, // A minor holds as many: the last chord decides
        {"Am  F  C  G", 0, H, "Am"},      // G major holds fewer: the first chord decides
        {"G  C  D7  G", 0, H, "G"},
        {"D  G  A7  D", -2, E, "C"},
        {"Gb  Cb  Db7  Gb", 0, E, "Gb"}, // as the song writes its tonic
        {"Gb  Cb  Db7  Gb", 12, E, "Gb"},
        {"Gb  Cb  Db7  Gb", 1, E, "G"},
    };
    for (const TKeyCase& c : cases) {
        const std::unique_ptr<TArtist> artist = ChordsSong({c.FirstLine});
        EXPECT_EQ(c.Expected, TTransposer(*artist->FirstSong, c.Semitones, c.Fallback).KeyName())
            << c.FirstLine << " " << c.Semitones;
    }
}

// Minor songs spelled in their key, its raised seventh included, in either
// notation; never a flat and a sharp of the same key side by side.
TEST(TTransposer, SpellsMinorSongsInTheirKeyWithItsLeadingTone) {
    const TLineCase cases[] = {
        {"E7 Am Dm G7 C F H7", 3, H, "G7 Cm Fm B7 Eb Ab D7"},
        {"E7 Am Dm G7 C F H7", -1, H, "D#7 G#m C#m F#7 H E A#7"},
        {"E7 Am Dm G7 C F B7", 3, E, "G7 Cm Fm Bb7 Eb Ab D7"},
        {"E7 Am Dm G7 C F B7", -1, E, "D#7 G#m C#m F#7 B E A#7"},
        {"E7 Am Dm G7 C F H7", 1, H, "F7 Bm Ebm Ab7 Db Gb C7"},
        {"Am Dm E7 G#dim7 Am", -2, H, "Gm Cm D7 F#dim7 Gm"}, // G minor has F#, going down too
        {"Am Dm E7 G#dim7 Am", -2, E, "Gm Cm D7 F#dim7 Gm"},
        {"Em Am H7 D#dim Em", 1, H, "Fm Bm C7 Edim  Fm"},    // F minor's leading tone is E
        {"Em Am H7 D#dim Em", -4, H, "Cm Fm G7 Hdim  Cm"},   // C minor's is H, not Cb
        {"Dm Gm A7 C#dim Dm", 1, E, "D#m G#m A#7 Ddim D#m"}, // no C## in D# minor: D
    };
    ExpectTransposed(cases);
}

} // namespace
