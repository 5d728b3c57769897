#include "settings/songshifts.h"

#include "platform/codepage.h"
#include "settings/integertext.h"

namespace {

// The song as its value names it, in the store's code page: a file name
// that code page cannot spell keeps its ASCII letters, which still tell songs apart.
std::string SongKey(const TSong& song) {
    std::optional<std::string> file = Utf8ToAnsi(song.Artist->FileName);
    if (!file) {
        file.emplace();
        for (const char letter : song.Artist->FileName)
            *file += static_cast<unsigned char>(letter) < 0x80 ? letter : '?';
    }
    return *file + "|" + song.Title;
}

// FNV-1a, its high bits folded into the low ones that pick the slot: the
// same slot on every run and every machine.
std::string SlotName(const std::string& key) {
    std::uint32_t hash = 2166136261u;
    for (const char letter : key)
        hash = (hash ^ static_cast<unsigned char>(letter)) * 16777619u;
    hash ^= hash >> 16;
    return SongShiftName(hash % SongShiftSlots);
}

struct TStoredShift {
    TSongShift Shift;
    std::string Key;
};

std::optional<TStoredShift> ParseStoredShift(std::string_view text) {
    const std::size_t first = text.find(' ');
    const std::size_t second = first == std::string_view::npos ? first : text.find(' ', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    const std::optional<std::int32_t> semitones = ParseIntegerText(text.substr(0, first));
    const std::optional<std::int32_t> capo = ParseIntegerText(text.substr(first + 1, second - first - 1));
    if (!semitones || !capo)
        return std::nullopt;
    return TStoredShift{Normalized({*semitones, *capo}), std::string(text.substr(second + 1))};
}

// A slot that holds no text (written by hand, or by another program) remembers nothing.
std::optional<TStoredShift> ReadSlot(TSettings& settings, const std::string& name) {
    try {
        return ParseStoredShift(settings.ReadTextValue(TransposeSection, name, {}));
    } catch (const TSettingsError&) {
        return std::nullopt;
    }
}

std::string ShiftText(TSongShift shift, const std::string& key) {
    return std::to_string(shift.Semitones) + " " + std::to_string(shift.Capo) + " " + key;
}

} // namespace

std::string SongShiftName(unsigned slot) {
    return "Song" + std::to_string(slot);
}

std::string RememberedSongShift(TSettings& settings, unsigned slot) {
    const std::optional<TStoredShift> stored = ReadSlot(settings, SongShiftName(slot));
    return stored ? ShiftText(stored->Shift, stored->Key) : std::string();
}

TSongShift ReadSongShift(TSettings& settings, const TSong& song) {
    const std::string key = SongKey(song);
    const std::optional<TStoredShift> stored = ReadSlot(settings, SlotName(key));
    return stored && stored->Key == key ? stored->Shift : TSongShift{};
}

void WriteSongShift(TSettings& settings, const TSong& song, TSongShift shift) {
    const std::string key = SongKey(song);
    if (shift == TSongShift{} && ReadSongShift(settings, song) == TSongShift{})
        return;
    settings.WriteTextValue(TransposeSection, SlotName(key), ShiftText(shift, key));
}
