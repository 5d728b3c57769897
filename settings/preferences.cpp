#include "settings/preferences.h"

TPreferences::TPreferences(std::unique_ptr<TSettings> settings, int pixelsPerInch)
    : Settings(std::move(settings)), m_pixelsPerInch(pixelsPerInch) {}

void TPreferences::LoadFontSlot(TStyleSlot slot, TFont& font) {
    const std::string section = FontSection(slot);
    for (const TFontValue& value : FontValues) {
        if (value.IsText) { // an empty name leaves the typeface as it is
            if (std::string name = Settings->ReadTextValue(section, value.Name, DefaultName(slot)); !name.empty())
                font.Name = std::move(name);
        } else {
            value.Apply(font, Settings->ReadIntValue(section, value.Name, value.Default(slot)), slot, m_pixelsPerInch);
        }
    }
}

void TPreferences::LoadAll() {
    for (TFont& font : StyleFonts)
        font = PlatformDefaultFont(m_pixelsPerInch);
    LoadFonts();
    LoadPageMargins();
    LoadBackgroundColor();
    LoadNotation();
    LoadDataFolder();
}

void TPreferences::LoadFonts() {
    for (TStyleSlot slot = 0; slot < StyleSlot::Count; ++slot)
        LoadFontSlot(slot, StyleFonts[static_cast<std::size_t>(slot)]);
    LoadSizeStep();
}

void TPreferences::LoadSizeStep() {
    SetSizeStep(Settings->ReadIntValue(FontsSection, SizeStepName, 0));
}

void TPreferences::LoadPageMargins() {
    for (const TMarginValue& value : MarginValues)
        PageMargins.*value.Margin = Settings->ReadIntValue(PageSection, value.Name, DefaultMargin);
}

void TPreferences::LoadBackgroundColor() {
    BackgroundColor =
        static_cast<TColor>(Settings->ReadIntValue("", BackgroundName, static_cast<std::int32_t>(WindowColor)));
}

// Anything but English is the default, Hungarian.
void TPreferences::LoadNotation() {
    Notation = Settings->ReadIntValue(ChordsSection, NotationName, 0) == 1 ? TNotation::English : TNotation::Hungarian;
}

void TPreferences::LoadDataFolder() {
    DataFolder = Settings->ReadTextValue("", DataFolderName, {});
}

void TPreferences::SaveFontSlot(TStyleSlot slot, const TFont& font) {
    const std::string section = FontSection(slot);
    for (const TFontValue& value : FontValues) {
        if (value.IsText)
            Settings->WriteTextValue(section, value.Name, font.Name);
        else
            Settings->WriteIntValue(section, value.Name, value.Written(font, m_pixelsPerInch));
    }
}

void TPreferences::SaveSizeStep() {
    Settings->WriteIntValue(FontsSection, SizeStepName, SizeStep);
}

void TPreferences::SavePageMargins() {
    for (const TMarginValue& value : MarginValues)
        Settings->WriteIntValue(PageSection, value.Name, PageMargins.*value.Margin);
}

void TPreferences::SaveWindowPosition(const std::string& name, const TWindowGeometry& geometry) {
    const std::string section = std::string(PositionsSection) + "\\" + name;
    for (const TGeometryValue& value : GeometryValues)
        Settings->WriteIntValue(section, value.Name, geometry.*value.Part);
}

void TPreferences::SaveBackgroundColor() {
    Settings->WriteIntValue("", BackgroundName, static_cast<std::int32_t>(BackgroundColor));
}

void TPreferences::SaveNotation() {
    Settings->WriteIntValue(ChordsSection, NotationName, Notation == TNotation::English ? 1 : 0);
}

void TPreferences::SetSizeStep(int value) {
    SizeStep = value;
}

void TPreferences::SetBackgroundColor(TColor color) {
    BackgroundColor = color;
}

void TPreferences::FontCommand(TStyleSlot slot, const TFont& chosen) {
    TFont& font = StyleFonts.at(static_cast<std::size_t>(slot));
    font = chosen;
    SaveFontSlot(slot, font);
}

void TPreferences::SizeCommand(int step) {
    SetSizeStep(step);
    SaveSizeStep();
}

void TPreferences::BackgroundCommand(TColor chosen) {
    SetBackgroundColor(chosen);
    SaveBackgroundColor();
}

void TPreferences::NotationCommand(TNotation chosen) {
    Notation = chosen;
    SaveNotation();
}

void TPreferences::DataFolderCommand(const std::string& chosen) {
    DataFolder = chosen;
    Settings->WriteTextValue("", DataFolderName, DataFolder);
}

std::vector<TSettingState> TPreferences::Describe() const {
    std::vector<TSettingState> states;
    const auto integer = [](std::int64_t value) { return std::to_string(value); };
    states.push_back({"", BackgroundName, false, true, integer(static_cast<std::int32_t>(BackgroundColor))});
    states.push_back({"", DataFolderName, true, true, DataFolder});
    states.push_back({FontsSection, SizeStepName, false, true, integer(SizeStep)});
    for (TStyleSlot slot = 0; slot < StyleSlot::Count; ++slot) {
        const TFont& font = StyleFonts[static_cast<std::size_t>(slot)];
        for (const TFontValue& value : FontValues)
            states.push_back({FontSection(slot), value.Name, value.IsText, true,
                              value.IsText ? font.Name : integer(value.Written(font, m_pixelsPerInch))});
    }
    for (const TMarginValue& value : MarginValues)
        states.push_back({PageSection, value.Name, false, true, integer(PageMargins.*value.Margin)});
    states.push_back({ChordsSection, NotationName, false, true, integer(Notation == TNotation::English ? 1 : 0)});
    for (const char* window : GeometryWindows) {
        for (const TGeometryValue& value : GeometryValues)
            states.push_back({std::string(PositionsSection) + "\\" + window, value.Name, false, false, {}});
    }
    for (const char* name : {TreeExpandedName, TreeSelectedName})
        states.push_back({TreeSection, name, true, false, {}});
    return states;
}
