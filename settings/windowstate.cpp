#include "settings/windowstate.h"

#include "settings/integertext.h"

namespace {

constexpr char Separator = '|';

bool Rememberable(const std::string& text) {
    return text.find(Separator) == std::string::npos && text.size() < LongestTreeValue;
}

// A value of another type (written by another program) counts as missing.
std::optional<std::string> StoredOrNothing(TSettings& settings, const std::string& section, const std::string& name) {
    try {
        return settings.StoredText(section, name);
    } catch (const TSettingsError&) {
        return std::nullopt;
    }
}

std::vector<std::string> SplitTerminated(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end = text.find(Separator); end != std::string::npos; end = text.find(Separator, start)) {
        if (parts.size() == MostExpandedRemembered)
            break;
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

} // namespace

std::optional<TWindowGeometry> ReadWindowPosition(TSettings& settings, const std::string& window) {
    const std::string section = std::string(PositionsSection) + "\\" + window;
    TWindowGeometry geometry;
    for (const TGeometryValue& value : GeometryValues) {
        const std::optional<std::string> text = StoredOrNothing(settings, section, value.Name);
        const std::optional<std::int32_t> number = text ? ParseIntegerText(*text) : std::nullopt;
        if (!number)
            return std::nullopt;
        geometry.*value.Part = *number;
    }
    if (geometry.Width <= 0 || geometry.Height <= 0)
        return std::nullopt;
    return geometry;
}

TStoredTree ReadTreeState(TSettings& settings) {
    TStoredTree tree;
    if (const std::optional<std::string> expanded = StoredOrNothing(settings, TreeSection, TreeExpandedName))
        tree.Expanded = SplitTerminated(*expanded);
    const std::string selected = StoredOrNothing(settings, TreeSection, TreeSelectedName).value_or("");
    if (const std::size_t separator = selected.find(Separator); separator != std::string::npos) {
        tree.SelectedArtist = selected.substr(0, separator);
        if (separator + 1 < selected.size())
            tree.SelectedSong = selected.substr(separator + 1);
    }
    return tree;
}

void WriteTreeState(TSettings& settings, const TStoredTree& tree) {
    std::string expanded;
    std::size_t count = 0;
    for (const std::string& name : tree.Expanded) {
        if (count == MostExpandedRemembered || expanded.size() + name.size() + 1 > LongestTreeValue)
            break;
        if (Rememberable(name)) {
            expanded += name + Separator;
            ++count;
        }
    }
    settings.WriteTextValue(TreeSection, TreeExpandedName, expanded);
    std::string selected;
    if (tree.SelectedArtist && Rememberable(*tree.SelectedArtist)) {
        selected = *tree.SelectedArtist + Separator;
        if (tree.SelectedSong && selected.size() + tree.SelectedSong->size() <= LongestTreeValue)
            selected += *tree.SelectedSong;
    }
    settings.WriteTextValue(TreeSection, TreeSelectedName, selected);
}
