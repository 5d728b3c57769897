#include "setlist/setsongfinder.h"

#include "platform/ascii.h"
#include "platform/codepage.h"

#include <span>

namespace {

constexpr std::string_view Separator = " - ";
// Typed by hand, or pasted from a word processor that turned the hyphen into
// an en or an em dash (code page 1250 has both).
constexpr std::string_view LooseSeparators[] = {Separator, " \x96 ", " \x97 "};

} // namespace

TSetSongFinder::TSetSongFinder(const TArtist* library) {
    for (const TArtist* artist = library; artist; artist = artist->Next.get())
        m_artists[WithoutBlanksAround(artist->ArtistName)].push_back(artist);
}

// Entries are UTF-8 and the model code page 1250: an entry that code page
// cannot spell names no song.
const TSong* TSetSongFinder::Find(std::string_view entry) const {
    const std::optional<std::string> caption = Utf8ToAnsi(entry);
    if (!caption)
        return nullptr;
    const TSong* song = Find(*caption, TMatch::Exact);
    return song ? song : Find(*caption, TMatch::Loose);
}

const TSong* TSetSongFinder::Find(std::string_view caption, TMatch match) const {
    const std::span<const std::string_view> separators =
        match == TMatch::Exact ? std::span(&Separator, 1) : std::span(LooseSeparators);
    for (const std::string_view separator : separators) {
        for (std::size_t split = caption.find(separator); split != std::string_view::npos;
             split = caption.find(separator, split + 1)) {
            if (const TSong* song = Find(caption.substr(0, split), caption.substr(split + separator.size()), match))
                return song;
        }
    }
    return nullptr;
}

const TSong* TSetSongFinder::Find(std::string_view artist, std::string_view title, TMatch match) const {
    const auto found = m_artists.find(WithoutBlanksAround(artist));
    if (found == m_artists.end())
        return nullptr;
    const bool exact = match == TMatch::Exact;
    const std::string_view loose = WithoutBlanksAround(title);
    for (const TArtist* named : found->second) {
        if (exact && named->ArtistName != artist)
            continue;
        for (const TSong* song = named->FirstSong.get(); song; song = song->Next.get()) {
            if (exact ? song->Title == title : WithoutBlanksAround(song->Title) == loose)
                return song;
        }
    }
    return nullptr;
}

std::string SetEntryOf(const TSong& song) {
    return AnsiToUtf8(SongArtistName(song) + std::string(Separator) + song.Title);
}
