#include "tools/songbook/settingscommand.h"

#include "platform/codepage.h"
#include "settings/integertext.h"

namespace {

// Pads UTF-8 text to a column width in characters, not bytes.
std::string Padded(const std::string& text, std::size_t width) {
    std::size_t characters = 0;
    for (char c : text)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return text + std::string(width > characters ? width - characters : 0, ' ');
}

// What the store holds for the value, beside what is in effect.
std::string Status(const TSettingState& state, const std::optional<std::string>& stored) {
    if (!state.IsRead)
        return stored ? "stored \"" + AnsiToUtf8(*stored) + "\", never read" : "never read";
    if (!stored)
        return "default";
    std::string status = "stored \"" + AnsiToUtf8(*stored) + "\"";
    if (state.IsText)
        return stored->empty() ? status + ", empty: the typeface is kept" : status;
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
            status = Status(state, preferences.Settings->StoredText(state.Section, state.Name));
        } catch (const TSettingsError& error) { // a value of another type
            status = error.what();
        }
        const std::string path = state.Section.empty() ? state.Name : state.Section + "\\" + state.Name;
        const std::string value = !state.IsRead  ? "-"
                                  : state.IsText ? "\"" + AnsiToUtf8(state.InEffect) + "\""
                                                 : state.InEffect;
        out << Padded(path, 26) << ' ' << Padded(value, 20) << ' ' << status << '\n';
    }
}
