#include "library/loader.h"
#include "search/searchindex.h"
#include "tests/support/songfixture.h"
#include "tests/support/tempdirectory.h"

#include <gtest/gtest.h>

namespace {

// One song file per artist, loaded as the program loads them.
class TLibrary {
public:
    explicit TLibrary(const std::vector<std::vector<std::string>>& files) {
        for (std::size_t i = 0; i < files.size(); ++i)
            WriteBytes(m_folder / ("artist" + std::to_string(i) + ".txt"), SongFileBytes(files[i]));
        LoadSongLibrary(m_folder.Path(), m_artists, nullptr);
    }
    const TArtist* Artists() const { return m_artists.get(); }

private:
    TTempDirectory m_folder;
    std::unique_ptr<TArtist> m_artists;
};

const TLibrary& Library() {
    static const TLibrary library({
        {".artist Betűk", ".title Egy", ".verse", "kor", ".title Kettő", ".verse", "kór", ".title Három", ".verse",
         "kör", ".title Négy", ".verse", "kőr", ".title Öt", ".verse", "KŐR, te!"},
        {".artist Kovács Ödön",
         ".title Tavaszi szél",
         ".authors népdal",
         ".defverse",
         "Am      C",
         "Tavaszi szél vizet áraszt,",
         "",
         "virágom, virágom!",
         ".chords",
         "Hmoll    Fisz",
         ".tab",
         "e|--kotta--|",
         ".details",
         "Capo 2, fogás x02210",
         ".normal",
         "Minden madár társat választ.",
         ".title Őszi eső",
         ".verse",
         "Hull a levél, hull a levél,",
         "szél fújja az erdőt."},
        {".artist Üres"},
        {".artist Csúszás", ".title Csere", ".defverse", "Dm  G", "első sor", "", "Dm  G", "elcsúszott sor", "C  G",
         "harmadik"},
    });
    return library;
}

// The hits as one readable line: artists, then songs with their rank and context.
std::string Describe(const TSearchResult& result) {
    std::string text;
    for (const TArtist* artist : result.Artists)
        text += "[" + Utf8FromAnsi(artist->ArtistName) + "] ";
    for (const TSongHit& hit : result.Songs) {
        text += Utf8FromAnsi(hit.Song->Title);
        text += hit.Rank == TMatchRank::Title ? "; " : " <" + Utf8FromAnsi(hit.ContextLine()) + ">; ";
    }
    return text;
}

std::string Search(const char* utf8Query) {
    return Describe(TSearchIndex(Library().Artists()).Find(TQuery(AnsiFromUtf8(utf8Query))));
}

struct TSearchCase {
    const char* Query;
    const char* Expected;
};

void ExpectResults(const std::vector<TSearchCase>& cases) {
    for (const TSearchCase& test : cases)
        EXPECT_EQ(test.Expected, Search(test.Query)) << test.Query;
}

TEST(SearchIndex, PlainLettersFindEveryAccentAndAccentedOnlyThemselves) {
    ExpectResults({
        {"kor", "Egy <kor>; Kettő <kór>; Három <kör>; Négy <kőr>; Öt <KŐR, te!>; "},
        {"KO",
         "[Kovács Ödön] Egy <kor>; Kettő <kór>; Három <kör>; Négy <kőr>; Öt <KŐR, te!>; Tavaszi szél; Őszi eső; "},
        {"kőr", "Négy <kőr>; Öt <KŐR, te!>; "},
        {"KŐR", "Négy <kőr>; Öt <KŐR, te!>; "},
        {"kör", "Három <kör>; "},
        {"kór", "Kettő <kór>; "},
        {"ö", "[Kovács Ödön] Három <kör>; Öt; Tavaszi szél; Őszi eső; "},
        {"betuk", "[Betűk] Egy; Kettő; Három; Négy; Öt; "},
        {"betük", ""},
    });
}

TEST(SearchIndex, EveryWordMustOccurInAnyOrderAndAnyField) {
    ExpectResults({
        {"te kor", "Öt <KŐR, te!>; "},
        {"kor te", "Öt <KŐR, te!>; "},
        {"kor madar", ""},
        {"  szél,,, FÚJJA!  ", "Őszi eső <szél fújja az erdőt.>; "},
        {"szel", "Tavaszi szél; Őszi eső <szél fújja az erdőt.>; "},
        {"odon szel", "Tavaszi szél; Őszi eső <szél fújja az erdőt.>; "},
        {"nepdal madar", "Tavaszi szél <Minden madár társat választ.>; "},
        {"levél erdőt", "Őszi eső <Hull a levél, hull a levél,>; "},
        {"erdőt levél", "Őszi eső <Hull a levél, hull a levél,>; "},
        {"kovacs erdot", "Őszi eső <szél fújja az erdőt.>; "},
        {"virágom szél", "Tavaszi szél <Tavaszi szél vizet áraszt,>; "},
        {"", ""},
        {" ,.! ", ""},
    });
}

// The empty line of a defverse still takes a chord position, so the line
// after it is text, and lyrics after it in a chord position are still lyrics;
// a word never runs from one line or field into the next.
TEST(SearchIndex, ChordTablatureAndDetailsLinesDoNotCount) {
    ExpectResults({
        {"elcsuszott", "Csere <elcsúszott sor>; "},
        {"harmadik sor", "Csere <első sor>; "},
        {"harmadik", "Csere <harmadik>; "},
        {"hmoll", ""},
        {"am", ""},
        {"kotta", ""},
        {"capo", ""},
        {"fogas", ""},
        {"viragom", "Tavaszi szél <virágom, virágom!>; "},
        {"asztviragom", ""},
        {"szelnepdal", ""},
        {"aszt", "Tavaszi szél <Tavaszi szél vizet áraszt,>; "},
    });
}

TEST(SearchIndex, ArtistsMatchByNameAloneAndListTheirSongsAsTitleHits) {
    ExpectResults({
        {"kovács", "[Kovács Ödön] Tavaszi szél; Őszi eső; "},
        {"ures", "[Üres] "},
        {"kovacs odon tavaszi", "Tavaszi szél; "},
    });
}

TEST(SearchIndex, ACancelledSearchReturnsNothing) {
    const TSearchIndex index(Library().Artists());
    const TQuery query(AnsiFromUtf8("kor"));
    std::atomic<bool> cancel = false;
    EXPECT_EQ(5u, index.Find(query, &cancel).Songs.size());
    cancel = true;
    const TSearchResult cancelled = index.Find(query, &cancel);
    EXPECT_TRUE(cancelled.Songs.empty());
    EXPECT_TRUE(cancelled.Artists.empty());
}

TEST(SearchIndex, AnEmptyLibraryFindsNothing) {
    const TSearchIndex index(nullptr);
    EXPECT_EQ("", Describe(index.Find(TQuery("a"))));
    EXPECT_TRUE(index.FoldedText().empty());
}

} // namespace
