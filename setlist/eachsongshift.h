#pragma once

#include "chords/transposition.h"

#include <functional>
#include <optional>

// Renders each song moved by a shift of its own (as its window last showed
// it), in its own notation (detected, else the fallback).
class TEachSongShift : public TSongChange {
public:
    using TShiftOf = std::function<TSongShift(const TSong&)>;
    TEachSongShift(TShiftOf shiftOf, TNotation fallback);

    void StartSong(const TSong& song) override;
    std::string NoteLine() const override;
    std::string ChordLine(const TParagraph& paragraph, std::size_t position, std::string_view line) const override;

private:
    TShiftOf m_shiftOf;
    TNotation m_fallback;
    std::optional<TTransposition> m_song;
};
