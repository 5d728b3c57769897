#include "tools/songbook/findcommand.h"

#include "platform/codepage.h"
#include "search/searchindex.h"
#include "tools/songbook/jsonwriter.h"
#include "tools/songbook/nameorder.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace {

void WriteText(const TSongHit& hit, std::ostream& out) {
    out << AnsiToUtf8(SongArtistName(*hit.Song) + " - " + hit.Song->Title) << '\n';
    if (hit.Rank == TMatchRank::Lyrics)
        out << "    " << AnsiToUtf8(hit.ContextLine()) << '\n';
}

void WriteJson(const TSongHit& hit, std::ostream& out) {
    out << "{\"artist\":";
    WriteJsonAnsiString(out, SongArtistName(*hit.Song));
    out << ",\"title\":";
    WriteJsonAnsiString(out, hit.Song->Title);
    out << ",\"foundIn\":" << (hit.Rank == TMatchRank::Title ? "\"title\"" : "\"lyrics\"") << ",\"line\":";
    WriteJsonAnsiString(out, hit.ContextLine());
    out << '}';
}

// Each name's place in the order the user's language sorts the names.
std::vector<std::size_t> Places(const std::vector<std::string_view>& names) {
    const std::vector<std::size_t> order = TreeOrder(names);
    std::vector<std::size_t> places(order.size());
    for (std::size_t place = 0; place < order.size(); ++place)
        places[order[place]] = place;
    return places;
}

// The hits as the viewer's tree shows them: those found by title first,
// each rank by artist and then by title.
std::vector<const TSongHit*> InTreeOrder(const TSearchResult& result) {
    std::map<const TArtist*, std::size_t> artistIndexes;
    std::vector<std::string_view> artistNames;
    std::vector<std::string_view> titles;
    for (const TSongHit& hit : result.Songs) {
        if (artistIndexes.emplace(hit.Song->Artist, artistNames.size()).second)
            artistNames.push_back(hit.Song->Artist->ArtistName);
        titles.push_back(hit.Song->Title);
    }
    const std::vector<std::size_t> artistPlaces = Places(artistNames);
    const std::vector<std::size_t> titlePlaces = Places(titles);
    const auto key = [&](const TSongHit* hit) {
        return std::tuple(hit->Rank, artistPlaces[artistIndexes[hit->Song->Artist]],
                          titlePlaces[static_cast<std::size_t>(hit - result.Songs.data())]);
    };
    std::vector<const TSongHit*> hits;
    for (const TSongHit& hit : result.Songs)
        hits.push_back(&hit);
    std::ranges::sort(hits, [&](const TSongHit* a, const TSongHit* b) { return key(a) < key(b); });
    return hits;
}

} // namespace

std::size_t FindSongs(const TArtist* artists, const std::string& utf8Query, bool json, std::ostream& out) {
    // A character code page 1250 lacks is in no song: it finds nothing.
    const std::optional<std::string> query = Utf8ToAnsi(utf8Query);
    const TSearchResult result = query ? TSearchIndex(artists).Find(TQuery(*query)) : TSearchResult{};
    const char* separator = "";
    if (json)
        out << "{\"hits\":[";
    for (const TSongHit* hit : InTreeOrder(result)) {
        if (json) {
            out << separator << '\n';
            WriteJson(*hit, out);
            separator = ",";
        } else {
            WriteText(*hit, out);
        }
    }
    if (json)
        out << "\n]}\n";
    return result.Songs.size();
}

bool HasWordToFind(const std::string& utf8Query) {
    const std::optional<std::string> query = Utf8ToAnsi(utf8Query);
    return !query || !TQuery(*query).Empty();
}
