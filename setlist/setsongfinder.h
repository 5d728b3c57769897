#pragma once

#include "library/artist.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Finds the songs that set list entries name in a loaded library, which
// must outlive it.
class TSetSongFinder {
public:
    explicit TSetSongFinder(const TArtist* library);

    // The song an entry "ARTIST - TITLE" (UTF-8) names, or null. Artists and
    // titles may hold " - " themselves: each place to split is tried, from
    // the first, and the first that names a song wins; of artists named
    // alike, and of songs titled alike, the first in the library. Names are
    // matched exactly; only an entry that matches no song so is matched
    // again as a hand-written line may need: without the spaces and tabs
    // around the artist and the title, and split at " – " or " — " too.
    const TSong* Find(std::string_view entry) const;

private:
    enum class TMatch { Exact, Loose };

    const TSong* Find(std::string_view caption, TMatch match) const;
    const TSong* Find(std::string_view artist, std::string_view title, TMatch match) const;

    // Keyed by the names without the blanks around them: both matches find their artists here.
    std::unordered_map<std::string_view, std::vector<const TArtist*>> m_artists;
};

// The entry that names the song in a set list: "ARTIST - TITLE", in UTF-8.
std::string SetEntryOf(const TSong& song);
