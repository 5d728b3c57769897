#include "library/loader.h"
#include "render/plaintextwriter.h"
#include "setlist/eachsongshift.h"
#include "setlist/setbook.h"
#include "setlist/setsongfinder.h"
#include "tests/support/songfixture.h"
#include "tests/support/tempdirectory.h"

#include <gtest/gtest.h>
#include <map>

namespace {

// The document's lines that hold text.
std::vector<std::string> TextLines(const TRichDocument& document) {
    std::vector<std::string> lines;
    const std::string text = PlainText(document);
    for (std::size_t start = 0, end = 0; start < text.size(); start = end + 1) {
        end = text.find('\n', start);
        if (end > start)
            lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

// Artists whose names and titles hold " - " and accents, an artist named
// twice (the second file holding a song the first lacks), a song titled
// twice, and one titled as another but for a space at its end.
class SetBookTest : public testing::Test {
protected:
    void SetUp() override {
        const std::map<std::string, std::vector<std::string>> files = {
            {"a.txt",
             {".artist Őszi Zenekar", ".title Ének", ".defverse", "Am", "őszi", ".title Ének", ".verse", "másodszor"}},
            {"b.txt", {".artist Kovács - Nagy Duó", ".title Dal - címmel", ".verse", "duó"}},
            {"c.txt", {".artist Kovács", ".title Nagy Duó - Dal", ".verse", "kovács"}},
            {"d.txt",
             {".artist Őszi Zenekar", ".title Tél", ".defverse", "C", "tél", ".title Tél ", ".verse", "szóközzel"}},
        };
        for (const auto& [name, lines] : files)
            WriteBytes(m_data / name, SongFileBytes(lines));
        ASSERT_TRUE(LoadSongLibrary(m_data.Path(), m_library, nullptr).empty());
    }

    // The song's last line, which tells the songs apart.
    static std::string LastLine(const TSong* song) {
        if (!song)
            return "(none)";
        TRichDocument document(StandardPixelsPerInch);
        RenderSong(*song, document, {StyleFonts, StandardPixelsPerInch});
        std::string text = PlainText(document);
        text.pop_back();
        return text.substr(text.rfind('\n') + 1);
    }

    TTempDirectory m_data;
    std::unique_ptr<TArtist> m_library;
};

TEST_F(SetBookTest, FindsTheSongEachEntryNames) {
    const TSetSongFinder finder(m_library.get());
    const std::pair<const char*, const char*> cases[] = {
        {"Őszi Zenekar - Ének", "őszi"},             // the first of two songs titled alike
        {"Őszi Zenekar - Tél", "tél"},               // in the second file of an artist
        {"Kovács - Nagy Duó - Dal - címmel", "duó"}, // only the second split names a song
        {"Kovács - Nagy Duó - Dal", "kovács"},       // the first split does
        {"Őszi Zenekar - ének", "(none)"},           // letter case counts, as in the tree
        {"Őszi Zenekar-Ének", "(none)"},
        {"Őszi Zenekar - Tél ", "szóközzel"},         // the exact title before one that differs by a blank
        {"Őszi Zenekar - Ének ", "őszi"},             // a stray space of a hand-written line
        {"\t Őszi Zenekar  -  Tél  ", "tél"},         // blanks around the names, the first song so named
        {"Őszi Zenekar -Ének", "(none)"},             // no " - " to split at
        {"Őszi Zenekar – Tél", "tél"},                // an en dash, as a word processor makes it
        {"Kovács - Nagy Duó — Dal - címmel ", "duó"}, // an em dash where the artist holds a hyphen
        {"Őszi Zenekar –Ének", "(none)"},
        {"Nincs ilyen - Ének", "(none)"},
        {"Őszi Zenekar", "(none)"},
        {"Őszi Zenekar - Ének \xE2\x82\xAC", "(none)"}, // the euro sign: code page 1250 has it, the song not
        {"\xF5szi Zenekar - \xC9nek", "(none)"},        // code page 1250 bytes, not UTF-8
        {"Őszi Zenekar - Ének ☃", "(none)"},            // beyond code page 1250
    };
    for (const auto& [entry, found] : cases)
        EXPECT_EQ(found, LastLine(finder.Find(entry))) << entry;
}

// Every song of the library is found by the entry written for it, whatever
// its artist's name holds: unless an earlier song of the same caption stands before it.
TEST_F(SetBookTest, TheEntryOfASongFindsIt) {
    const TSetSongFinder finder(m_library.get());
    for (const TArtist* artist = m_library.get(); artist; artist = artist->Next.get()) {
        for (const TSong* song = artist->FirstSong.get(); song; song = song->Next.get()) {
            const TSong* found = finder.Find(SetEntryOf(*song));
            ASSERT_TRUE(found) << SetEntryOf(*song);
            EXPECT_EQ(SetEntryOf(*song), SetEntryOf(*found));
        }
    }
    EXPECT_EQ("Kovács - Nagy Duó - Dal - címmel", SetEntryOf(*m_library->Next->FirstSong));
}

// One book in set order, each song in its own key; what the library lacks is
// left out of the book and named.
TEST_F(SetBookTest, RendersTheSetsSongsInOrderEachWithItsShift) {
    const TSetList list{"Péntek",
                        {"Őszi Zenekar - Tél", "Hiányzó - Dal", "Kovács - Nagy Duó - Dal - címmel",
                         "Őszi Zenekar - Ének", "Őszi Zenekar - Tél"}};
    const TSetBook book = SetBookOf(list, TSetSongFinder(m_library.get()));
    EXPECT_EQ("Péntek", book.Name);
    EXPECT_EQ(std::vector<std::string>{"Hiányzó - Dal"}, book.Missing);
    ASSERT_EQ(4u, book.Songs.size());
    TEachSongShift shifts(
        [](const TSong& song) {
            return song.Title == "T\xE9l" ? TSongShift{2, 0} : TSongShift{0, 3};
        },
        TNotation::Hungarian);
    TRichDocument document(StandardPixelsPerInch);
    RenderSet(book, document, {StyleFonts, StandardPixelsPerInch}, shifts);
    const std::vector<std::string> expected = {
        "Őszi Zenekar", "Tél",    "D",   "tél",  "Kovács - Nagy Duó", "Dal - címmel", "Capo 3", "duó", "Őszi Zenekar",
        "Ének",         "Capo 3", "F#m", "őszi", "Őszi Zenekar",      "Tél",          "D",      "tél"};
    EXPECT_EQ(expected, TextLines(document));
}

TEST_F(SetBookTest, RenderingStopsWhenTold) {
    const TSetBook book =
        SetBookOf({"x", {"Őszi Zenekar - Tél", "Őszi Zenekar - Ének"}}, TSetSongFinder(m_library.get()));
    TEachSongShift shifts([](const TSong&) { return TSongShift{}; }, TNotation::Hungarian);
    TRichDocument document(StandardPixelsPerInch);
    std::vector<std::size_t> told;
    EXPECT_FALSE(RenderSet(book, document, {StyleFonts, StandardPixelsPerInch}, shifts, [&](std::size_t done) {
        told.push_back(done);
        return false;
    }));
    EXPECT_EQ(std::vector<std::size_t>{1}, told);
    EXPECT_EQ((std::vector<std::string>{"Őszi Zenekar", "Tél", "C", "tél"}), TextLines(document));
}

} // namespace
