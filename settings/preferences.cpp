#include "settings/preferences.h"

#include "settings/songshifts.h"
#include "settings/stagevalues.h"

#include <cstring>

namespace {

std::int32_t Number(const TStoredValue& value) {
    return std::get<std::int32_t>(value);
}

// Anything but English (1) is the default, Hungarian.
const TPlainValue PlainValueRows[] = {
    {"", BackgroundName, static_cast<std::int32_t>(WindowColor),
     [](TPreferences& preferences, const TStoredValue& value) {
         preferences.SetBackgroundColor(static_cast<TColor>(Number(value)));
     },
     [](const TPreferences& preferences) -> TStoredValue {
         return static_cast<std::int32_t>(preferences.BackgroundColor);
     }},
    {"", DataFolderName, std::string(),
     [](TPreferences& preferences, const TStoredValue& value) {
         preferences.DataFolder = std::get<std::string>(value);
     },
     [](const TPreferences& preferences) -> TStoredValue { return preferences.DataFolder; },
     "the default folder is read"},
    {FontsSection, SizeStepName, 0,
     [](TPreferences& preferences, const TStoredValue& value) { preferences.SetSizeStep(Number(value)); },
     [](const TPreferences& preferences) -> TStoredValue { return preferences.FontSizeStep; }},
    {PageSection, KeepVersesName, 0,
     [](TPreferences& preferences, const TStoredValue& value) { preferences.KeepVerses = Number(value) == 1; },
     [](const TPreferences& preferences) -> TStoredValue { return preferences.KeepVerses ? 1 : 0; }},
    {ChordsSection, NotationName, 0,
     [](TPreferences& preferences, const TStoredValue& value) {
         preferences.Notation = Number(value) == 1 ? TNotation::English : TNotation::Hungarian;
     },
     [](const TPreferences& preferences) -> TStoredValue {
         return preferences.Notation == TNotation::English ? 1 : 0;
     }},
    {PerformanceSection, DarkName, 0,
     [](TPreferences& preferences, const TStoredValue& value) { preferences.DarkStage = Number(value) == 1; },
     [](const TPreferences& preferences) -> TStoredValue { return preferences.DarkStage ? 1 : 0; }},
};

const TPlainValue& PlainValue(const char* section, const char* name) {
    for (const TPlainValue& value : PlainValueRows) {
        if (std::strcmp(value.Section, section) == 0 && std::strcmp(value.Name, name) == 0)
            return value;
    }
    throw std::logic_error(std::string("no such value: ") + name);
}

bool IsText(const TStoredValue& value) {
    return std::holds_alternative<std::string>(value);
}

std::string Text(const TStoredValue& value) {
    return IsText(value) ? std::get<std::string>(value) : std::to_string(Number(value));
}

} // namespace

std::span<const TPlainValue> PlainValues() {
    return PlainValueRows;
}

TPreferences::TPreferences(std::unique_ptr<TSettings> settings, int pixelsPerInch, TStyleFonts& fonts, int& sizeStep)
    : Settings(std::move(settings)), Fonts(fonts), FontSizeStep(sizeStep), m_pixelsPerInch(pixelsPerInch) {}

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
    for (TFont& font : Fonts)
        font = PlatformDefaultFont(m_pixelsPerInch);
    LoadFonts();
    LoadPageMargins();
    for (const TPlainValue& value : PlainValueRows) {
        if (std::strcmp(value.Section, FontsSection) != 0)
            Load(value);
    }
}

void TPreferences::LoadFonts() {
    for (TStyleSlot slot = 0; slot < StyleSlot::Count; ++slot)
        LoadFontSlot(slot, Fonts[static_cast<std::size_t>(slot)]);
    for (const TPlainValue& value : PlainValueRows) {
        if (std::strcmp(value.Section, FontsSection) == 0)
            Load(value);
    }
}

void TPreferences::Load(const TPlainValue& value) {
    if (IsText(value.Default))
        value.Apply(*this, Settings->ReadTextValue(value.Section, value.Name, std::get<std::string>(value.Default)));
    else
        value.Apply(*this, Settings->ReadIntValue(value.Section, value.Name, Number(value.Default)));
}

void TPreferences::Save(const TPlainValue& value) {
    const TStoredValue written = value.Written(*this);
    if (IsText(written))
        Settings->WriteTextValue(value.Section, value.Name, std::get<std::string>(written));
    else
        Settings->WriteIntValue(value.Section, value.Name, Number(written));
}

void TPreferences::LoadSizeStep() {
    Load(PlainValue(FontsSection, SizeStepName));
}

void TPreferences::LoadPageMargins() {
    for (const TMarginValue& value : MarginValues)
        PageMargins.*value.Margin = Settings->ReadIntValue(PageSection, value.Name, DefaultMargin);
}

void TPreferences::LoadBackgroundColor() {
    Load(PlainValue("", BackgroundName));
}

void TPreferences::LoadNotation() {
    Load(PlainValue(ChordsSection, NotationName));
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
    Save(PlainValue(FontsSection, SizeStepName));
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
    Save(PlainValue("", BackgroundName));
}

void TPreferences::SaveKeepVerses() {
    Save(PlainValue(PageSection, KeepVersesName));
}

void TPreferences::SaveNotation() {
    Save(PlainValue(ChordsSection, NotationName));
}

void TPreferences::SetSizeStep(int value) {
    FontSizeStep = value;
}

void TPreferences::SetBackgroundColor(TColor color) {
    BackgroundColor = color;
}

void TPreferences::FontCommand(TStyleSlot slot, const TFont& chosen) {
    TFont& font = Fonts.at(static_cast<std::size_t>(slot));
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

void TPreferences::DarkStageCommand(bool dark) {
    DarkStage = dark;
    Save(PlainValue(PerformanceSection, DarkName));
}

void TPreferences::DataFolderCommand(const std::string& chosen) {
    DataFolder = chosen;
    Save(PlainValue("", DataFolderName));
}

std::vector<TSettingState> TPreferences::Describe() const {
    std::vector<TSettingState> states;
    for (const TPlainValue& value : PlainValueRows)
        states.push_back(
            {value.Section, value.Name, IsText(value.Default), true, Text(value.Written(*this)), value.EmptyMeans});
    for (TStyleSlot slot = 0; slot < StyleSlot::Count; ++slot) {
        const TFont& font = Fonts[static_cast<std::size_t>(slot)];
        for (const TFontValue& value : FontValues)
            states.push_back({FontSection(slot), value.Name, value.IsText, true,
                              value.IsText ? font.Name : std::to_string(value.Written(font, m_pixelsPerInch)),
                              value.IsText ? "the typeface is kept" : nullptr});
    }
    for (const TMarginValue& value : MarginValues)
        states.push_back({PageSection, value.Name, false, true, std::to_string(PageMargins.*value.Margin)});
    for (const char* window : GeometryWindows) {
        for (const TGeometryValue& value : GeometryValues)
            states.push_back({std::string(PositionsSection) + "\\" + window, value.Name, false, false, {}});
    }
    for (const TSongSlots* slots : {&SongShiftSlots, &ScrollSpeedSlots}) {
        for (unsigned slot = 0; slot < TSongSlots::Count; ++slot)
            states.push_back({slots->Section, slots->SlotName(slot), true, true, slots->Remembered(*Settings, slot),
                              "nothing is remembered", true});
    }
    for (const char* name : {TreeExpandedName, TreeSelectedName})
        states.push_back({TreeSection, name, true, false, {}});
    return states;
}
