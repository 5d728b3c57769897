#pragma once

#include "library/artist.h"
#include "settings/settings.h"

#include <cstdint>
#include <string>
#include <vector>

// Numbers remembered for each song the user touched, in a bounded number of
// slots: a song has one slot, chosen by a hash of its file's name and its
// title, and a newer song that hashes to the same slot takes it over. The
// values are "<Prefix>0" ... "<Prefix>255" under Section, each "NUMBER ...
// FILE|TITLE". A value that does not parse, or names another song, remembers
// nothing for the song.
struct TSongSlots {
    const char* Section;
    const char* Prefix;
    // What a song not remembered has; as many numbers as every value holds.
    std::vector<std::int32_t> Default;
    // The numbers read, brought into their range.
    std::vector<std::int32_t> (*Normalized)(std::vector<std::int32_t> numbers);

    static constexpr unsigned Count = 256;

    // "<Prefix>N".
    std::string SlotName(unsigned slot) const;
    // What the slot remembers, as it is written; empty when it holds nothing that parses.
    std::string Remembered(TSettings& settings, unsigned slot) const;

    std::vector<std::int32_t> Read(TSettings& settings, const TSong& song) const;
    // The default for a song not remembered is only forgotten: it never takes another song's slot.
    void Write(TSettings& settings, const TSong& song, const std::vector<std::int32_t>& numbers) const;
};
