#include "library/artist.h"
#include "library/parseobserver.h"
#include "tests/support/artistdescription.h"
#include "tests/support/songfixture.h"
#include "tests/support/tempdirectory.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <type_traits>

namespace {

TEST(Parser, BuildsTheHarbourExample) {
    EXPECT_EQ(ParseAndDescribe({
                  ".pagetitle Songs of the Harbour",
                  ".artist The Harbour Singers",
                  "A collection for the summer camp",
                  ".title Morning Tide",
                  ".authors words and music: A. Sailor",
                  ".new",
                  ".chords",
                  "   C        G",
                  ".normal",
                  "The tide comes in at morning",
                  "",
                  ". ...and goes out at night",
                  ".verse Refrain",
                  "Sing, sailors, sing",
                  ".title Evening Calm",
                  "No paragraph yet",
                  ".details",
                  "Recorded at the harbour",
              }),
              "artist \"The Harbour Singers\" page \"Songs of the Harbour\"\n"
              "song \"Morning Tide\" authors \"words and music: A. Sailor\" comment \"\" new\n"
              "  3 [\"   C        G\"]\n"
              "  0 [\"The tide comes in at morning\", \"\", \"...and goes out at night\"]\n"
              "  1 [\"Sing, sailors, sing\"]\n"
              "song \"Evening Calm\" authors \"\" comment \"\"\n"
              "  5 [\"Recorded at the harbour\"]\n");
}

struct TParseCase {
    const char* Name;
    std::vector<std::string> Lines;
    const char* Expected;
};

TEST(Parser, FollowsTheStructureRules) {
    const TParseCase cases[] = {
        {"empty file", {}, "artist \"\" page \"\"\n"},
        {"header only", {".artist Á", ".pagetitle P", "text", ".verse"}, "artist \"Á\" page \"P\"\n"},
        {"last header value counts", {".artist A", ".artist B"}, "artist \"B\" page \"\"\n"},
        {"title after title: no paragraphs",
         {".title A", ".title B"},
         "artist \"\" page \"\"\nsong \"A\" authors \"\" comment \"\"\nsong \"B\" authors \"\" comment \"\"\n"},
        {"title alone gives an empty title",
         {".title"},
         "artist \"\" page \"\"\nsong \"\" authors \"\" comment \"\"\n"},
        {"keywords in any case",
         {".TITLE Ő", ".Verse", "x"},
         "artist \"\" page \"\"\nsong \"Ő\" authors \"\" comment \"\"\n  1 [\"x\"]\n"},
        {"title with a tab is no title",
         {".title A", ".verse", "x", ".title\tB", "y"},
         "artist \"\" page \"\"\nsong \"A\" authors \"\" comment \"\"\n  1 [\"x\"]\n"},
        {"paragraph command then command: no lines",
         {".title A", ".tab", ".chords"},
         "artist \"\" page \"\"\nsong \"A\" authors \"\" comment \"\"\n  4 []\n  3 []\n"},
        {"paragraph command at the end: no lines",
         {".title A", ".defverse"},
         "artist \"\" page \"\"\nsong \"A\" authors \"\" comment \"\"\n  2 []\n"},
        {"title inside a paragraph ends it and the song",
         {".title A", ".verse", "x", ".title B", "y"},
         "artist \"\" page \"\"\nsong \"A\" authors \"\" comment \"\"\n  1 [\"x\"]\n"
         "song \"B\" authors \"\" comment \"\"\n"},
        {"same title twice is two songs",
         {".title A", ".title A"},
         "artist \"\" page \"\"\nsong \"A\" authors \"\" comment \"\"\nsong \"A\" authors \"\" comment \"\"\n"},
        {"last authors counts, flags stay set",
         {".title A", ".authors x", ".authors y", ".new", ".new", ".vulg z", ".mine", ".comment c"},
         "artist \"\" page \"\"\nsong \"A\" authors \"y\" comment \"c\" new mine vulg\n"},
        {"artist inside a song changes nothing and ends the paragraph",
         {".artist A", ".title T", ".verse", "x", ".artist B", "y", ".pagetitle P"},
         "artist \"A\" page \"\"\nsong \"T\" authors \"\" comment \"\"\n  1 [\"x\"]\n"},
        {"text after authors belongs to nothing",
         {".title T", ".authors a", "stray", ".normal", "n"},
         "artist \"\" page \"\"\nsong \"T\" authors \"a\" comment \"\"\n  0 [\"n\"]\n"},
        {"unknown command ends a paragraph",
         {".title T", ".verse", "x", ".titel U", "y"},
         "artist \"\" page \"\"\nsong \"T\" authors \"\" comment \"\"\n  1 [\"x\"]\n"},
        {"lines are kept as they are",
         {".title T", ".tab", "  ", "", "a", "a", ". .dot", "."},
         "artist \"\" page \"\"\nsong \"T\" authors \"\" comment \"\"\n  4 [\"  \", \"\", \"a\", \"a\", \".dot\", "
         "\"\"]\n"},
        {"all six kinds",
         {".title T", ".normal", ".verse", ".defverse", ".chords", ".tab", ".details"},
         "artist \"\" page \"\"\nsong \"T\" authors \"\" comment \"\"\n  0 []\n  1 []\n  2 []\n  3 []\n  4 []\n  5 "
         "[]\n"},
    };
    for (const TParseCase& c : cases)
        EXPECT_EQ(c.Expected, ParseAndDescribe(c.Lines)) << c.Name;
}

TEST(Parser, KeepsTheLastLineWithOrWithoutALineEnd) {
    TTempDirectory folder;
    for (const char* ending : {"", "\r\n"}) {
        WriteBytes(folder / "a.txt", std::string(".title T\r\n.verse\r\nlast") + ending);
        EXPECT_EQ("artist \"\" page \"\"\nsong \"T\" authors \"\" comment \"\"\n  1 [\"last\"]\n",
                  DescribeArtist(TArtist(folder / "a.txt")));
    }
}

// Paragraph lines are split again from the file's text when read: every
// line-end form must come out as it went in.
TEST(Parser, KeepsParagraphLinesAcrossEveryLineEndForm) {
    TTempDirectory folder;
    WriteBytes(folder / "a.txt", ".title T\r\n.tab\r\na\rb\n c\r\n. \r\n\r\r\n.\r\n\r\n");
    EXPECT_EQ("artist \"\" page \"\"\nsong \"T\" authors \"\" comment \"\"\n"
              "  4 [\"a\", \"b\n c\", \"\", \"\", \"\", \"\", \"\"]\n",
              DescribeArtist(TArtist(folder / "a.txt")));
}

struct TIgnored {
    std::size_t LineNumber;
    TIgnoredReason Reason;
    bool operator==(const TIgnored&) const = default;
};

class TCollector : public TParseObserver {
public:
    void LineIgnored(const TCommandLine& line, TIgnoredReason reason) override {
        Ignored.push_back({line.LineNumber, reason});
    }
    std::vector<TIgnored> Ignored;
};

TEST(Parser, ReportsEveryIgnoredLineWithItsNumber) {
    TTempDirectory folder;
    WriteBytes(folder / "a.txt", SongFileBytes({
                                     ".artist A",     // 1
                                     "header text",   // 2
                                     "",              // 3: blank, not reported
                                     ".verse",        // 4
                                     ".title T",      // 5
                                     "stray",         // 6
                                     ".verse",        // 7
                                     "in verse",      // 8
                                     ".titel X",      // 9
                                     "after unknown", // 10
                                     ".title\tY",     // 11
                                     ".artist B",     // 12
                                     ".verse",        // 13
                                     "x",             // 14
                                     ".title U",      // 15: pushed back twice, never reported
                                 }));
    TCollector collector;
    TArtist artist(folder / "a.txt", &collector);
    const std::vector<TIgnored> expected = {
        {2, TIgnoredReason::HeaderText},
        {4, TIgnoredReason::CommandBeforeFirstTitle},
        {6, TIgnoredReason::TextOutsideParagraph},
        {9, TIgnoredReason::UnknownCommand},
        {10, TIgnoredReason::TextOutsideParagraph},
        {11, TIgnoredReason::CommandEndedByTab},
        {12, TIgnoredReason::HeaderCommandInSong},
    };
    EXPECT_EQ(expected, collector.Ignored);
}

// Freeing a long list must not recurse once per member.
TEST(Parser, BuildsAndFreesAMillionSongsAndParagraphs) {
    TTempDirectory folder;
    std::string bytes;
    for (int i = 0; i < 1'000'000; ++i)
        bytes += ".title s\r\n";
    bytes += ".title last\r\n";
    for (int i = 0; i < 1'000'000; ++i)
        bytes += ".verse\r\n";
    WriteBytes(folder / "big.txt", bytes);
    auto artist = std::make_unique<TArtist>(folder / "big.txt");
    std::size_t songs = 0;
    for (const TSong* song = artist->FirstSong.get(); song; song = song->Next.get())
        ++songs;
    EXPECT_EQ(1'000'001u, songs);
    std::size_t paragraphs = 0;
    for (const TParagraph* p = artist->LastSong->FirstParagraph.get(); p; p = p->Next.get())
        ++paragraphs;
    EXPECT_EQ(1'000'000u, paragraphs);
    artist.reset();
}

// What the parser reads with is its own: nothing of it can be reached on a
// loaded library, where the song file is long closed.
template <class T>
concept ReadsTheSongFile = requires(T& item) {
    item.AtEnd();
}
|| requires(T& item) {
    item.ReadCommandLine();
}
|| requires(T& item, TCommandLine line) {
    item.PushBack(line);
};
template <class T>
concept AddsToTheLibrary = requires(T& item, std::unique_ptr<TSong> song) {
    item.AddSong(std::move(song));
}
|| requires(T& item, std::unique_ptr<TParagraph> paragraph) {
    item.AddParagraph(std::move(paragraph));
};
static_assert(!ReadsTheSongFile<TArtist> && !ReadsTheSongFile<TSong> && !ReadsTheSongFile<TParagraph>);
static_assert(!AddsToTheLibrary<TArtist> && !AddsToTheLibrary<TSong>);
static_assert(!std::is_constructible_v<TSong, TArtist&, std::string> && !std::is_default_constructible_v<TParseKey>);

// A loaded library is walked and asked about with its public surface alone,
// long after its files were read.
TEST(Parser, ALoadedArtistIsWalkedWithItsPublicSurfaceAlone) {
    TTempDirectory folder;
    WriteBytes(folder / "a.txt", SongFileBytes({".artist Előadó", ".title Első", ".defverse", "Am", "sor",
                                                ".title Második", ".details", "Capo 2"}));
    const TArtist artist(folder / "a.txt");
    std::vector<std::string> seen;
    for (const TSong* song = artist.FirstSong.get(); song; song = song->Next.get()) {
        seen.push_back(Utf8FromAnsi(SongArtistName(*song) + ": " + song->Title));
        for (const TParagraph* paragraph = song->FirstParagraph.get(); paragraph; paragraph = paragraph->Next.get()) {
            for (std::string_view line : paragraph->Lines)
                seen.push_back(std::to_string(paragraph->Kind) + " " + std::string(line));
        }
    }
    EXPECT_EQ((std::vector<std::string>{"Előadó: Első", "2 Am", "2 sor", "Előadó: Második", "5 Capo 2"}), seen);
    EXPECT_EQ(artist.LastSong, artist.FirstSong->Next.get());
}

} // namespace

namespace {

// Positions count every line, so the parity alone decides in a verse with chords.
TEST(InChordPosition, IsEveryChordsLineAndTheEvenLinesOfAVerseWithChords) {
    const std::int32_t kinds[] = {TNormal::KindNumber, TVerse::KindNumber, TDefVerse::KindNumber,
                                  TChords::KindNumber, TTab::KindNumber,   TDetails::KindNumber};
    const std::vector<std::vector<bool>> expected = {
        {0, 0, 0, 0}, {0, 0, 0, 0}, {1, 0, 1, 0}, {1, 1, 1, 1}, {0, 0, 0, 0}, {0, 0, 0, 0},
    };
    for (std::size_t k = 0; k < std::size(kinds); ++k) {
        std::vector<bool> actual;
        for (std::size_t position = 0; position < 4; ++position)
            actual.push_back(InChordPosition(kinds[k], position));
        EXPECT_EQ(expected[k], actual) << kinds[k];
    }
}

} // namespace
