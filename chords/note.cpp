#include "chords/note.h"

namespace {

// Pitch classes of the letters A to H; B here is B natural.
constexpr int LetterPitchClasses[] = {9, 11, 0, 2, 4, 5, 7, 11};

} // namespace

int PitchClassOf(int semitones) {
    return (semitones % 12 + 12) % 12;
}

std::optional<TNote> TakeNote(std::string_view& text, TNotation notation) {
    if (text.empty() || text[0] < 'A' || text[0] > 'H')
        return std::nullopt;
    const char letter = text[0];
    int pitchClass = LetterPitchClasses[letter - 'A'];
    std::size_t length = 1;
    if (text.size() > 1 && (text[1] == '#' || text[1] == 'b')) {
        pitchClass += text[1] == '#' ? 1 : -1;
        length = 2;
    } else if (letter == 'B' && notation == TNotation::Hungarian) {
        pitchClass = 10;
    }
    TNote note{PitchClassOf(pitchClass), std::string(text.substr(0, length))};
    text.remove_prefix(length);
    return note;
}
