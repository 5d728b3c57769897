#include "tools/songbook/settingscommand.h"

#include "platform/unicode.h"
#include "settings/integertext.h"
#include "tools/songbook/printabletext.h"

namespace {

// Pads UTF-8 text to a column width in characters, not bytes.
std::string Padded(const std::string& text, std::size_t width) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++characters)
        DecodeUtf8(text, i);
    return text + std::string(width > characters ? width - characters : 0, ' ');
}

// What the store holds for the value, beside what is in effect.
std::string Status(const TSettingState& state, const std::optional<std::string>& stored) {
    if (!state.IsRead)
        return stored ? "stored \"" + PrintableText(*stored) + "\", read by its window at start" : "not stored";
    if (!stored)
        return "default";
    std::string status = "stored \"" + PrintableText(*stored) + "\"";
    if (state.IsText && stored->empty() && state.EmptyMeans)
        return status + ", empty: " + state.EmptyMeans;
    if (state.IsText)
        return *stored != state.InEffect ? status + ", not in effect as such" : status;
    const auto parsed = ParseIntegerText(*stored);
    if (!parsed)
        return status + ", not a number: the default is used";
    return std::to_string(*parsed) != state.InEffect ? status + ", not in effect as such" : status;
}

} // namespace

void PrintSettings(TPreferences& preferences, const std::string& settingsPlace, std::ostream& out) {
    out << settingsPlace << '\n';
    for (const TSettingState& state : preferences.Describe()) {
        std::string status;
        try {
            const std::optional<std::string> stored = preferences.Settings->StoredText(state.Section, state.Name);
            if (state.IsSongSlot && !stored)
                continue;
            status = Status(state, stored);
        } catch (const TSettingsError& error) { // a value of another type
            status = error.what();
        }
        const std::string path = state.Section.empty() ? state.Name : state.Section + "\\" + state.Name;
        const std::string value = !state.IsRead  ? "-"
                                  : state.IsText ? "\"" + PrintableText(state.InEffect) + "\""
                                                 : state.InEffect;
        out << Padded(path, 26) << ' ' << Padded(value, 20) << ' ' << status << '\n';
    }
}
