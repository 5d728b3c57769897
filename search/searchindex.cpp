#include "search/searchindex.h"

#include "search/lyriclines.h"
#include "search/pattern.h"

#include <algorithm>

namespace {

// Longer words are rarer, so trying them first rejects most songs sooner.
std::vector<TPattern> LongestFirst(const TQuery& query) {
    std::vector<std::string> words = query.Words();
    std::stable_sort(words.begin(), words.end(), [](const auto& a, const auto& b) { return a.size() > b.size(); });
    std::vector<TPattern> patterns;
    for (const std::string& word : words)
        patterns.emplace_back(word);
    return patterns;
}

std::string_view LyricLine(const TSong& song, std::size_t index) {
    std::string_view found;
    VisitLyricLines(song, [&](std::string_view line) {
        found = line;
        return index-- > 0;
    });
    return found;
}

} // namespace

TSearchIndex::TSearchIndex(const TArtist* artists) {
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
    m_text.shrink_to_fit();
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
    const std::vector<TPattern> words = LongestFirst(query);
    std::vector<bool> inArtistName(words.size());
    for (const TArtistEntry& artist : m_artists) {
        for (std::size_t k = 0; k < words.size(); ++k)
            inArtistName[k] = words[k].Find(At(artist.NameBegin), At(artist.NameEnd)) != At(artist.NameEnd);
        if (std::ranges::find(inArtistName, false) == inArtistName.end())
            result.Artists.push_back(artist.Artist);
        for (std::size_t s = artist.FirstSong; s < artist.EndSong; ++s) {
            if (cancel && cancel->load(std::memory_order_relaxed))
                return {};
            if (const auto hit = MatchSong(m_songs[s], words, inArtistName))
                result.Songs.push_back(*hit);
        }
    }
    return result;
}

std::optional<TSongHit> TSearchIndex::MatchSong(const TSongEntry& song, const std::vector<TPattern>& words,
                                                const std::vector<bool>& inArtistName) const {
    bool needsLyrics = false;
    for (std::size_t k = 0; k < words.size(); ++k) {
        if (inArtistName[k])
            continue;
        const unsigned char* const found = words[k].Find(At(song.Head), At(song.End));
        if (found == At(song.End))
            return std::nullopt;
        needsLyrics = needsLyrics || found >= At(song.Lyrics);
    }
    if (!needsLyrics)
        return TSongHit{song.Song, TMatchRank::Title, {}};
    return TSongHit{song.Song, TMatchRank::Lyrics, ContextLine(song, words)};
}

// An occurrence that starts before first but ends after it is missed, yet
// it lies on first's line, as no occurrence spans a line end.
std::string_view TSearchIndex::ContextLine(const TSongEntry& song, const std::vector<TPattern>& words) const {
    const unsigned char* first = At(song.End);
    for (const TPattern& word : words)
        first = word.Find(At(song.Lyrics), first);
    return LyricLine(*song.Song, std::count(At(song.Lyrics), first, LineEndCode));
}

std::size_t TSearchIndex::MemoryBytes() const {
    return m_text.capacity() + m_artists.capacity() * sizeof(TArtistEntry) + m_songs.capacity() * sizeof(TSongEntry);
}

std::span<const unsigned char> TSearchIndex::FoldedText() const {
    return {m_text.data(), m_text.size() - TPattern::Overread};
}
