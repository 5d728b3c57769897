#include "chords/chord.h"

#include <gtest/gtest.h>

namespace {

constexpr auto H = TNotation::Hungarian;
constexpr auto E = TNotation::English;

struct TParseCase {
    const char* Token;
    TNotation Notation;
    int Root;
    const char* Suffix;
    int Bass; // -1: none
};

TEST(ParseChord, ReadsRootSuffixAndBass) {
    const TParseCase cases[] = {
        {"F#m7", E, 6, "m7", -1}, {"B", H, 10, "", -1},    {"B", E, 11, "", -1},  {"Bb", H, 10, "", -1},
        {"H7", H, 11, "7", -1},   {"A#m", H, 10, "m", -1}, {"Cb", E, 11, "", -1}, {"E#", E, 5, "", -1},
        {"B#", H, 0, "", -1},     {"C/B", H, 0, "", 10},   {"G/H", E, 7, "", 11}, {"Am7(b5)/G", E, 9, "m7(b5)", 7},
        {"Eb5", E, 3, "5", -1},
    };
    for (const TParseCase& c : cases) {
        const std::optional<TChord> chord = ParseChord(c.Token, c.Notation);
        ASSERT_TRUE(chord) << c.Token;
        EXPECT_EQ(c.Root, chord->Root.PitchClass) << c.Token;
        EXPECT_EQ(c.Suffix, chord->Suffix) << c.Token;
        EXPECT_EQ(c.Bass, chord->Bass ? chord->Bass->PitchClass : -1) << c.Token;
    }
}

TEST(ParseChord, RejectsEverythingElse) {
    for (const char* token : {"",       "N.C.", "x2",   "|",  "(",     "riff", "/",     "a",     "h",   "am",    "d/F#",
                              "Ha",     "Hej,", "Be",   "C/", "/C",    "C/x",  "C/f#",  "D/F#m", "(C)", "C7(",   "C7()",
                              "C7(9,)", "Cadd", "C6/9", "Z",  "C\xF8", "\xC1", "Csus5", "C##",   "C7b", "Dmaj7 "})
        for (TNotation notation : {H, E})
            EXPECT_FALSE(ParseChord(token, notation)) << token;
}

} // namespace
