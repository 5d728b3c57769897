#include "chords/note.h"

namespace {

// Pitch classes of the letters A to H; B here is B natural.
constexpr int LetterPitchClasses[] = {9, 11, 0, 2, 4, 5, 7, 11};

} // namespace

int PitchClassOf(int semitones) {
    return (semitones % 12 + 12) % 12;
}

std::size_t NoteLength(std::string_view text) {
    if (text.empty() || text[0] < 'A' || text[0] > 'H')
        return 0;
    return text.size() > 1 && (text[1] == '#' || text[1] == 'b') ? 2 : 1;
}

std::optional<TNote> TakeNote(std::string_view& text, TNotation notation) {
    const std::size_t length = NoteLength(text);
    if (length == 0)
        return std::nullopt;
    const char letter = text[0];
    int pitchClass = LetterPitchClasses[letter - 'A'];
    if (length == 2)
        pitchClass += text[1] == '#' ? 1 : -1;
    else if (letter == 'B' && notation == TNotation::Hungarian)
        pitchClass = 10;
    TNote note{PitchClassOf(pitchClass), std::string(text.substr(0, length))};
    text.remove_prefix(length);
    return note;
}
