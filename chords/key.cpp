#include "chords/key.h"

#include "chords/chordlines.h"
#include "chords/linelayout.h"

std::optional<TChord> FirstChord(const TSong& song, TNotation notation) {
    for (std::string_view line : ChordLines(song))
        for (const TToken& token : SplitTokens(line))
            if (std::optional<TChord> chord = ParseChord(token.Text, notation))
                return chord;
    return std::nullopt;
}

TKey KeyOf(const TChord& chord) {
    const bool minor = chord.Suffix.starts_with('m') && !chord.Suffix.starts_with("maj");
    return {chord.Root.PitchClass, minor};
}
