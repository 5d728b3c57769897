#include "search/searchindex.h"

#include "platform/ascii.h"
#include "search/lyriclines.h"
#include "search/pattern.h"

#include <algorithm>
#include <cstring>

// A query's words as one search tries them on song after song, longest
// first: longer words are rarer, so most songs fail sooner.
struct TSearchIndex::TWordScan {
    explicit TWordScan(const TQuery& query) {
        std::vector<std::string> words = query.Words();
        std::ranges::stable_sort(words, std::ranges::greater(), &std::string::size);
        for (const std::string& word : words)
            Words.emplace_back(word);
        InArtistName.resize(Words.size());
        Found.resize(Words.size());
    }

    std::vector<TPattern> Words;
    std::vector<bool> InArtistName;
    std::vector<const unsigned char*> Found; // each word's first place in the song being matched
};

namespace {

// Folding never lengthens a line, so the lines' own lengths bound the folded
// text, which then takes one allocation instead of copies as it grows.
std::size_t FoldedSizeBound(const TArtist* artists) {
    std::size_t bound = TPattern::Overread;
    for (const TArtist* artist = artists; artist; artist = artist->Next.get()) {
        bound += artist->ArtistName.size() + 1;
        for (const TSong* song = artist->FirstSong.get(); song; song = song->Next.get()) {
            bound += song->Title.size() + song->Authors.size() + 2;
            VisitLyricLines(*song, [&bound](std::string_view line) {
                bound += line.size() + 1;
                return true;
            });
        }
    }
    return bound;
}

// memchr skips a line at a time, where counting would compare every byte.
std::size_t LineEndsBefore(const unsigned char* begin, const unsigned char* position) {
    std::size_t count = 0;
    for (const void* end; (end = std::memchr(begin, LineEndCode, position - begin)); ++count)
        begin = static_cast<const unsigned char*>(end) + 1;
    return count;
}

} // namespace

// Without the tabs and spaces that indent it in the song.
std::string_view TSongHit::ContextLine() const {
    if (Rank != TMatchRank::Lyrics)
        return {};
    return WithoutBlanksAround(LyricLine(*Song, ContextIndex));
}

TSearchIndex::TSearchIndex(const TArtist* artists) {
    m_text.reserve(FoldedSizeBound(artists));
    for (const TArtist* artist = artists; artist; artist = artist->Next.get()) {
        const std::size_t nameBegin = m_text.size();
        AppendLine(artist->ArtistName);
        m_artists.push_back({artist, nameBegin, m_text.size(), 0, 0});
    }
    for (TArtistEntry& entry : m_artists) {
        entry.FirstSong = m_songs.size();
        for (const TSong* song = entry.Artist->FirstSong.get(); song; song = song->Next.get())
            AddSong(*song);
        entry.EndSong = m_songs.size();
    }
    m_text.resize(m_text.size() + TPattern::Overread, LineEndCode);
}

void TSearchIndex::AppendLine(std::string_view ansi) {
    FoldText(ansi, [this](unsigned char code, std::size_t) { m_text.push_back(code); });
    m_text.push_back(LineEndCode);
}

// Every lyric line is kept, even one that folds to nothing, so that the
// line ends counted before a match name the line it is on.
void TSearchIndex::AddSong(const TSong& song) {
    const std::size_t head = m_text.size();
    AppendLine(song.Title);
    AppendLine(song.Authors);
    const std::size_t lyrics = m_text.size();
    VisitLyricLines(song, [this](std::string_view line) {
        AppendLine(line);
        return true;
    });
    m_songs.push_back({&song, head, lyrics, m_text.size()});
}

TSearchResult TSearchIndex::Find(const TQuery& query, const std::atomic<bool>* cancel) const {
    TSearchResult result;
    if (query.Empty())
        return result;
    TWordScan scan(query);
    for (const TArtistEntry& artist : m_artists) {
        for (std::size_t k = 0; k < scan.Words.size(); ++k)
            scan.InArtistName[k] = scan.Words[k].Find(At(artist.NameBegin), At(artist.NameEnd)) != At(artist.NameEnd);
        if (std::ranges::find(scan.InArtistName, false) == scan.InArtistName.end())
            result.Artists.push_back(artist.Artist);
        for (std::size_t s = artist.FirstSong; s < artist.EndSong; ++s) {
            if (cancel && cancel->load(std::memory_order_relaxed))
                return {};
            if (const auto hit = MatchSong(m_songs[s], scan))
                result.Songs.push_back(*hit);
        }
    }
    return result;
}

// A word in the artist's name counts as found before the lyrics. The first
// lyric line with a query word is then the first with a word that only the
// lyrics hold, unless a word also found before the lyrics occurs in them
// sooner. An occurrence that starts before first but runs past it is missed,
// yet it lies on first's line, as none spans a line end.
std::optional<TSongHit> TSearchIndex::MatchSong(const TSongEntry& song, TWordScan& scan) const {
    const unsigned char* const lyrics = At(song.Lyrics);
    const unsigned char* const end = At(song.End);
    const unsigned char* first = end;
    for (std::size_t k = 0; k < scan.Words.size(); ++k) {
        const unsigned char* const found =
            scan.InArtistName[k] ? At(song.Head) : scan.Words[k].Find(At(song.Head), end);
        if (found == end)
            return std::nullopt;
        scan.Found[k] = found;
        if (found >= lyrics)
            first = std::min(first, found);
    }
    if (first == end)
        return TSongHit{song.Song, TMatchRank::Title, 0};
    for (std::size_t k = 0; k < scan.Words.size(); ++k) {
        if (scan.Found[k] < lyrics)
            first = scan.Words[k].Find(lyrics, first);
    }
    return TSongHit{song.Song, TMatchRank::Lyrics, LineEndsBefore(lyrics, first)};
}

std::size_t TSearchIndex::MemoryBytes() const {
    return m_text.capacity() + m_artists.capacity() * sizeof(TArtistEntry) + m_songs.capacity() * sizeof(TSongEntry);
}

std::span<const unsigned char> TSearchIndex::FoldedText() const {
    return {m_text.data(), m_text.size() - TPattern::Overread};
}
