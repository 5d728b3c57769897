#include "settings/songslots.h"

#include "platform/codepage.h"
#include "settings/integertext.h"

#include <optional>

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
unsigned SlotOf(const std::string& key) {
    std::uint32_t hash = 2166136261u;
    for (const char letter : key)
        hash = (hash ^ static_cast<unsigned char>(letter)) * 16777619u;
    hash ^= hash >> 16;
    return hash % TSongSlots::Count;
}

struct TStoredNumbers {
    std::vector<std::int32_t> Numbers;
    std::string Key;
};

std::optional<TStoredNumbers> ParseStored(std::string_view text, std::size_t count) {
    TStoredNumbers stored;
    for (std::size_t index = 0; index < count; ++index) {
        const std::size_t space = text.find(' ');
        if (space == std::string_view::npos)
            return std::nullopt;
        const std::optional<std::int32_t> number = ParseIntegerText(text.substr(0, space));
        if (!number)
            return std::nullopt;
        stored.Numbers.push_back(*number);
        text.remove_prefix(space + 1);
    }
    stored.Key = text;
    return stored;
}

std::string StoredText(const std::vector<std::int32_t>& numbers, const std::string& key) {
    std::string text;
    for (const std::int32_t number : numbers)
        text += std::to_string(number) + " ";
    return text + key;
}

// A slot that holds no text (written by hand, or by another program) remembers nothing.
std::optional<TStoredNumbers> ReadSlot(const TSongSlots& slots, TSettings& settings, unsigned slot) {
    std::optional<TStoredNumbers> stored;
    try {
        stored = ParseStored(settings.ReadTextValue(slots.Section, slots.SlotName(slot), {}), slots.Default.size());
    } catch (const TSettingsError&) {
        return std::nullopt;
    }
    if (stored)
        stored->Numbers = slots.Normalized(std::move(stored->Numbers));
    return stored;
}

} // namespace

std::string TSongSlots::SlotName(unsigned slot) const {
    return Prefix + std::to_string(slot);
}

std::string TSongSlots::Remembered(TSettings& settings, unsigned slot) const {
    const std::optional<TStoredNumbers> stored = ReadSlot(*this, settings, slot);
    return stored ? StoredText(stored->Numbers, stored->Key) : std::string();
}

std::vector<std::int32_t> TSongSlots::Read(TSettings& settings, const TSong& song) const {
    const std::string key = SongKey(song);
    const std::optional<TStoredNumbers> stored = ReadSlot(*this, settings, SlotOf(key));
    return stored && stored->Key == key ? stored->Numbers : Default;
}

void TSongSlots::Write(TSettings& settings, const TSong& song, const std::vector<std::int32_t>& numbers) const {
    if (numbers == Default && Read(settings, song) == Default)
        return;
    const std::string key = SongKey(song);
    settings.WriteTextValue(Section, SlotName(SlotOf(key)), StoredText(numbers, key));
}
