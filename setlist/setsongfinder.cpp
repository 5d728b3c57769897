#include "setlist/setsongfinder.h"

#include "platform/codepage.h"

namespace {

constexpr std::string_view Separator = " - ";

} // namespace

TSetSongFinder::TSetSongFinder(const TArtist* library) {
    for (const TArtist* artist = library; artist; artist = artist->Next.get())
        m_artists[artist->ArtistName].push_back(artist);
}

// Entries are UTF-8 and the model code page 1250: an entry that code page
// cannot spell names no song.
const TSong* TSetSongFinder::Find(std::string_view entry) const {
    const std::optional<std::string> text = Utf8ToAnsi(entry);
    if (!text)
        return nullptr;
    const std::string_view caption = *text;
    for (std::size_t split = caption.find(Separator); split != std::string_view::npos;
         split = caption.find(Separator, split + 1)) {
        if (const TSong* song = Find(caption.substr(0, split), caption.substr(split + Separator.size())))
            return song;
    }
    return nullptr;
}

const TSong* TSetSongFinder::Find(std::string_view artist, std::string_view title) const {
    const auto found = m_artists.find(artist);
    if (found == m_artists.end())
        return nullptr;
    for (const TArtist* named : found->second) {
        for (const TSong* song = named->FirstSong.get(); song; song = song->Next.get()) {
            if (song->Title == title)
                return song;
        }
    }
    return nullptr;
}

std::string SetEntryOf(const TSong& song) {
    return AnsiToUtf8(SongArtistName(song) + std::string(Separator) + song.Title);
}
