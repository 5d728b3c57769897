#pragma once

#include "library/artist.h"
#include "search/query.h"

#include <atomic>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// Where a song matched. Title covers the title, the authors and the artist's
// name: a song ranks Title when those hold every word, Lyrics when some word
// is only in its lyrics. Title sorts first.
enum class TMatchRank { Title, Lyrics };

struct TSongHit {
    const TSong* Song;
    TMatchRank Rank;
    // For a Lyrics hit, which of the song's lyric lines first holds a query word.
    std::size_t ContextIndex;

    // That line as the model has it (code page 1250, unfolded) without its
    // indent; empty for a Title hit. Read when asked, for the rows on screen:
    // reading the line of every hit would take several times as long as the
    // search itself.
    std::string_view ContextLine() const;
};

struct TSearchResult {
    // The artists whose name holds every word; all their songs are hits too.
    std::vector<const TArtist*> Artists;
    // Every matching song in library order; sorting within a rank is the caller's.
    std::vector<TSongHit> Songs;
};

// The library's searchable text folded once (see folding.h): a song matches
// when every query word occurs, as part of a word or a whole one, in its
// artist's name, title, authors or lyric lines (see lyriclines.h). The index
// points into the artists it was built from, which must outlive it.
class TSearchIndex {
public:
    explicit TSearchIndex(const TArtist* artists);

    // Safe to call from several threads at once. When *cancel becomes true
    // the search stops and returns an empty result, so that a newer query
    // need not wait for an older one.
    TSearchResult Find(const TQuery& query, const std::atomic<bool>* cancel = nullptr) const;

    // The heap bytes the index keeps.
    std::size_t MemoryBytes() const;
    // The folded text itself, for measuring scans against plain ones.
    std::span<const unsigned char> FoldedText() const;

private:
    struct TArtistEntry {
        const TArtist* Artist;
        std::size_t NameBegin;
        std::size_t NameEnd;
        std::size_t FirstSong;
        std::size_t EndSong;
    };
    struct TSongEntry {
        const TSong* Song;
        std::size_t Head; // title and authors
        std::size_t Lyrics;
        std::size_t End;
    };
    struct TWordScan;

    void AppendLine(std::string_view ansi);
    void AddSong(const TSong& song);
    const unsigned char* At(std::size_t offset) const { return m_text.data() + offset; }
    std::optional<TSongHit> MatchSong(const TSongEntry& song, TWordScan& scan) const;

    std::vector<unsigned char> m_text;
    std::vector<TArtistEntry> m_artists;
    std::vector<TSongEntry> m_songs;
};
