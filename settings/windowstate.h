#pragma once

#include "settings/settings.h"
#include "settings/settingvalues.h"

#include <optional>
#include <string>
#include <vector>

// What the artist tree had open and selected, by the artists' names and
// the song's title (model text), kept between runs under "Tree":
// "Expanded" holds each expanded artist's name followed by "|", "Selected"
// the selected artist's name and "|", then the title for a song (an empty
// one comes back as its artist), and is empty for none. A name holding "|"
// is not remembered; neither is what goes past the bounds.
struct TStoredTree {
    std::vector<std::string> Expanded;
    std::optional<std::string> SelectedArtist;
    std::optional<std::string> SelectedSong; // only with an artist
};
constexpr std::size_t MostExpandedRemembered = 64;
constexpr std::size_t LongestTreeValue = 4096;

// "Positions\<window>" as the window wrote it at its last close; nullopt
// unless all four values are there and are integers, and the size is not
// empty. Whether it still fits on the screen is for the window to judge.
std::optional<TWindowGeometry> ReadWindowPosition(TSettings& settings, const std::string& window);

// Nothing remembered for values that are missing or do not parse.
TStoredTree ReadTreeState(TSettings& settings);
void WriteTreeState(TSettings& settings, const TStoredTree& tree);
