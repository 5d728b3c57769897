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
        {"F#m7", E, 6, "m7", -1}, {"B", H, 10, "", -1},      {"B", E, 11, "", -1},
        {"Bb", H, 10, "", -1},    {"H7", H, 11, "7", -1},    {"A#m", H, 10, "m", -1},
        {"Cb", E, 11, "", -1},    {"E#", E, 5, "", -1},      {"B#", H, 0, "", -1},
        {"C/B", H, 0, "", 10},    {"G/H", E, 7, "", 11},     {"Am7(b5)/G", E, 9, "m7(b5)", 7},
        {"Eb5", E, 3, "5", -1},   {"C6/9", E, 0, "6/9", -1}, {"C6/9/E", H, 0, "6/9", 4},
        {"D6/F#", E, 2, "6", 6},
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
    for (const char* token : {"",       "N.C.", "x2",  "|",     "(",  "riff",  "/",    "a",     "h",   "am",  "d/F#",
                              "Ha",     "Hej,", "Be",  "C/",    "/C", "C/x",   "C/f#", "D/F#m", "(C)", "C7(", "C7()",
                              "C7(9,)", "Cadd", "C6/", "C6/9/", "Z",  "C\xF8", "\xC1", "Csus5", "C##", "C7b", "Dmaj7 "})
        for (TNotation notation : {H, E})
            EXPECT_FALSE(ParseChord(token, notation)) << token;
}

struct TWordCase {
    const char* Word;
    std::optional<std::vector<std::string_view>> Parts; // before, chords, after
};

// Brackets, bar lines and repeat signs stay around the chords; a closing
// bracket that ends the suffix stays with it.
TEST(SplitChordWord, FindsTheChordsInBracketsAgainstBarsAndJoinedByDashes) {
    using TParts = std::vector<std::string_view>;
    const TWordCase cases[] = {
        {"Am", TParts{"", "Am", ""}},
        {"(Am)", TParts{"(", "Am", ")"}},
        {"[C]", TParts{"[", "C", "]"}},
        {"|Am", TParts{"|", "Am", ""}},
        {"Am|", TParts{"", "Am", "|"}},
        {"|:G", TParts{"|:", "G", ""}},
        {"G:|", TParts{"", "G", ":|"}},
        {"Am-G", TParts{"", "Am-G", ""}},
        {"(Am-G/H-C)", TParts{"(", "Am-G/H-C", ")"}},
        {"Am7(b5)", TParts{"", "Am7(b5)", ""}},
        {"(Am7(b5))", TParts{"(", "Am7(b5)", ")"}},
        {"(C6/9", TParts{"(", "C6/9", ""}},
        {"G)", TParts{"", "G", ")"}},
        {"(", std::nullopt},
        {"||:", std::nullopt},
        {"-", std::nullopt},
        {"Am-", std::nullopt},
        {"-Am", std::nullopt},
        {"Am--G", std::nullopt},
        {"Am-riff", std::nullopt},
        {"(x2)", std::nullopt},
        {"|x2|", std::nullopt},
        {"(riff)", std::nullopt},
        {"N.C.", std::nullopt},
        {"(Ami,", std::nullopt},
    };
    for (const TWordCase& c : cases) {
        const std::optional<TChordWordParts> parts = SplitChordWord(c.Word);
        ASSERT_EQ(c.Parts.has_value(), parts.has_value()) << c.Word;
        if (parts) {
            EXPECT_EQ(*c.Parts, (std::vector<std::string_view>{parts->Before, parts->Chords, parts->After})) << c.Word;
        }
    }
    const std::vector<TChord> chords = ChainedChords("Am-G/H-C", H);
    ASSERT_EQ(3u, chords.size());
    EXPECT_EQ(9, chords[0].Root.PitchClass);
    EXPECT_EQ(11, chords[1].Bass->PitchClass);
    EXPECT_EQ(0, chords[2].Root.PitchClass);
}

} // namespace
