#include "chords/chord.h"
#include "chords/chordlines.h"
#include "chords/linelayout.h"
#include "chords/transposer.h"
#include "library/loader.h"
#include "tests/chords/chordfixture.h"
#include "tests/support/songfixture.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

namespace {

// Names a chart in the song's notation must never show.
bool IsForeignName(const std::string& name, TNotation notation) {
    static const std::set<std::string> odd = {"E#", "B#", "H#", "Fb", "Cb", "Hb"};
    return odd.contains(name) || (notation == TNotation::Hungarian ? name == "Bb" : name[0] == 'H');
}

void ExpectNoteMoved(const TNote& original, const TNote& moved, int semitones, TNotation notation) {
    EXPECT_EQ(((original.PitchClass + semitones) % 12 + 12) % 12, moved.PitchClass)
        << original.Name << " " << moved.Name;
    EXPECT_FALSE(IsForeignName(moved.Name, notation)) << moved.Name;
}

void ExpectChordMoved(const TChord& before, const TChord& after, const TTransposer& transposer) {
    ExpectNoteMoved(before.Root, after.Root, transposer.Semitones(), transposer.Notation());
    EXPECT_EQ(before.Suffix, after.Suffix);
    ASSERT_EQ(before.Bass.has_value(), after.Bass.has_value());
    if (before.Bass)
        ExpectNoteMoved(*before.Bass, *after.Bass, transposer.Semitones(), transposer.Notation());
}

// Counts the chords it checks. What stands around them stays.
void ExpectTokenMoved(std::string_view original, std::string_view moved, const TTransposer& transposer, int& chords) {
    const std::optional<TChordWordParts> before = SplitChordWord(original);
    const std::optional<TChordWordParts> after = SplitChordWord(moved);
    if (!before) {
        EXPECT_EQ(original, moved);
        return;
    }
    ASSERT_TRUE(after) << moved;
    EXPECT_EQ(before->Before, after->Before);
    EXPECT_EQ(before->After, after->After);
    const std::vector<TChord> beforeChords = ChainedChords(before->Chords, transposer.Notation());
    const std::vector<TChord> afterChords = ChainedChords(after->Chords, transposer.Notation());
    ASSERT_EQ(beforeChords.size(), afterChords.size()) << moved;
    for (std::size_t i = 0; i < beforeChords.size(); ++i, ++chords)
        ExpectChordMoved(beforeChords[i], afterChords[i], transposer);
}

// Every token in its place or right of it, moved only as far as the one
// before it needs, with no trailing spaces gained or lost. A shift of whole
// octaves gives the line back as it was.
void ExpectLineTransposed(std::string_view line, const TTransposer& transposer, int& chords) {
    const std::string moved = transposer.TransposeLine(line);
    SCOPED_TRACE(Utf8FromAnsi(line) + " by " + std::to_string(transposer.Semitones()) + ": " + Utf8FromAnsi(moved));
    if (transposer.Semitones() == 0) {
        EXPECT_EQ(line, moved);
        return;
    }
    const std::vector<TToken> before = SplitTokens(line);
    const std::vector<TToken> after = SplitTokens(moved);
    EXPECT_EQ(line.ends_with(' '), std::string_view(moved).ends_with(' '));
    ASSERT_EQ(before.size(), after.size()) << "tokens merged or split";
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_GE(after[i].Column, before[i].Column);
        if (i > 0 && after[i].Column > before[i].Column) {
            EXPECT_EQ(after[i - 1].Column + after[i - 1].Text.size() + 1, after[i].Column);
        }
        ExpectTokenMoved(before[i].Text, after[i].Text, transposer, chords);
    }
}

// Every chord line of every song, with every shift from two octaves down to
// two up, in both notations; returns how many chords moved.
int ExpectEverySongTransposed(const TArtist* artists) {
    int chords = 0;
    for (const TArtist* artist = artists; artist; artist = artist->Next.get())
        for (const TSong* song = artist->FirstSong.get(); song; song = song->Next.get())
            for (TNotation fallback : {TNotation::Hungarian, TNotation::English})
                for (int semitones = -24; semitones <= 24; ++semitones) {
                    const TTransposer transposer(*song, semitones, fallback);
                    for (std::string_view line : ChordLines(*song))
                        ExpectLineTransposed(line, transposer, chords);
                }
    return chords;
}

TEST(SampleLibrary, EveryChordLineTransposesInPlaceAndOctavesGiveItBack) {
    std::unique_ptr<TArtist> artists;
    ASSERT_TRUE(LoadSongLibrary(VIVIRA_SAMPLE_DATA, artists, nullptr).empty());
    EXPECT_GT(ExpectEverySongTransposed(artists.get()), 9000);
}

std::string Pick(std::mt19937& random, std::string_view words) {
    const std::vector<TToken> tokens = SplitTokens(words);
    const std::string_view word = tokens[random() % tokens.size()].Text;
    return std::string(word == "-" ? "" : word);
}

std::string GeneratedChord(std::mt19937& random) {
    const std::string chord =
        Pick(random, "C C# Db D D# Eb E F F# Gb G G# Ab A A# Bb B H Cb E# Fb B#") +
        Pick(random, "- m 7 m7 maj7 M7 sus4 add9 dim ° m7(b5) 7(9) 7+ 6 6/9 mi 5 13 sus2 aug + min");
    return random() % 5 == 0 ? chord + "/" + Pick(random, "C C# Db D Eb E F F# G Ab A Bb B H") : chord;
}

// Any spelling, however odd, may come in; none of the odd ones may come out.
// Some chords stand in brackets, against bar lines or joined by dashes.
std::string GeneratedToken(std::mt19937& random) {
    if (random() % 10 < 3)
        return Pick(random, "N.C. x2 | ( ) riff / a e h am Ha ||: Árvíz (x2) Am-riff");
    std::string chords = GeneratedChord(random);
    while (random() % 6 == 0)
        chords += "-" + GeneratedChord(random);
    return Pick(random, "- - - - ( | |: [") + chords + Pick(random, "- - - - ) | :| ]");
}

std::string GeneratedLine(std::mt19937& random) {
    std::string line(random() % 4, ' ');
    for (int tokens = 1 + random() % 8; tokens > 0; --tokens)
        line += GeneratedToken(random) + std::string(1 + random() % 4, ' ');
    line.erase(line.find_last_not_of(' ') + 1);
    return line + std::string(random() % 2 == 0 ? 0 : 1 + random() % 3, ' ');
}

TEST(GeneratedSongs, EveryChordLineTransposesInPlaceAndOctavesGiveItBack) {
    std::mt19937 random(1250);
    std::vector<std::string> file;
    for (int song = 0; song < 200; ++song) {
        file.push_back(".title G" + std::to_string(song));
        file.push_back(".chords");
        for (int lines = 1 + random() % 3; lines > 0; --lines)
            file.push_back(GeneratedLine(random));
    }
    const std::unique_ptr<TArtist> artist = ArtistFromLines(file);
    EXPECT_GT(ExpectEverySongTransposed(artist.get()), 90000);
}

} // namespace
