#include "setlist/setsongfinder.h"

#include "platform/ascii.h"
#include "platform/codepage.h"

namespace {

constexpr std::string_view Separator = " - ";

} // namespace

TSetSongFinder::TSetSongFinder(const TArtist* library) {
    for (const TArtist* artist = library; artist; artist = artist->Next.get())
        m_artists[WithoutBlanksAround(artist->ArtistName)].push_back(artist);
}

// Entries are UTF-8 and the model code page 1250: an entry that code page
// cannot spell names no song. A hand-written entry may have a stray space
// at its end, or spaces lined up around its " - ".
const TSong* TSetSongFinder::Find(std::string_view entry) const {
    const std::optional<std::string> caption = Utf8ToAnsi(entry);
    if (!caption)
        return nullptr;
    const TSong* song = Find(*caption, TMatch::Exact);
    return song ? song : Find(*caption, TMatch::WithoutBlanksAround);
}

const TSong* TSetSongFinder::Find(std::string_view caption, TMatch match) const {
    for (std::size_t split = caption.find(Separator); split != std::string_view::npos;
         split = caption.find(Separator, split + 1)) {
        if (const TSong* song = Find(caption.substr(0, split), caption.substr(split + Separator.size()), match))
            return song;
    }
    return nullptr;
}

const TSong* TSetSongFinder::Find(std::string_view artist, std::string_view title, TMatch match) const {
    const auto found = m_artists.find(WithoutBlanksAround(artist));
    if (found == m_artists.end())
        return nullptr;
    const bool exact = match == TMatch::Exact;
    for (const TArtist* named : found->second) {
        if (exact && named->ArtistName != artist)
            continue;
        for (const TSong* song = named->FirstSong.get(); song; song = song->Next.get()) {
            if (exact ? song->Title == title : WithoutBlanksAround(song->Title) == WithoutBlanksAround(title))
                return song;
        }
    }
    return nullptr;
}

std::string SetEntryOf(const TSong& song) {
    return AnsiToUtf8(SongArtistName(song) + std::string(Separator) + song.Title);
}
