#include "settings/preferences.h"

namespace {

constexpr const char* FontsSection = "Fonts";
constexpr const char* PageSection = "Page";

std::string FontSection(TStyleSlot slot) {
    std::string name;
    StyleSlotName(slot, name);
    return std::string(FontsSection) + "\\" + name;
}

} // namespace

TPreferences::TPreferences(std::unique_ptr<TSettings> settings, int pixelsPerInch)
    : Settings(std::move(settings)), m_pixelsPerInch(pixelsPerInch) {}

// Each value takes effect as it is read, so "Size", read after "Height",
// always decides the height (sizes beyond what readers take are clamped).
void TPreferences::LoadFontSlot(TStyleSlot slot, TFont& font) {
    const std::string section = FontSection(slot);
    font.Charset = static_cast<std::uint8_t>(Settings->ReadIntValue(section, "Charset", DefaultCharset(slot)));
    font.Color =
        static_cast<TColor>(Settings->ReadIntValue(section, "Color", static_cast<std::int32_t>(DefaultColor(slot))));
    font.Height = Settings->ReadIntValue(section, "Height", DefaultHeight(slot));
    if (std::string name = Settings->ReadTextValue(section, "Name", DefaultName(slot)); !name.empty())
        font.Name = std::move(name);
    font.Pitch = static_cast<std::uint8_t>(Settings->ReadIntValue(section, "Pitch", DefaultPitch(slot)));
    // A size of 0 or less would leave no size at all: the slot's own is meant.
    const std::int32_t size = Settings->ReadIntValue(section, "Size", DefaultSize(slot));
    font.SetSize(size > 0 ? size : DefaultSize(slot), m_pixelsPerInch);
    font.Style = Settings->ReadIntValue(section, "Style", DefaultStyle(slot)) & FontStyle::All;
}

void TPreferences::LoadAll() {
    for (TFont& font : StyleFonts)
        font = PlatformDefaultFont(m_pixelsPerInch);
    LoadFonts();
    LoadPageMargins();
    LoadBackgroundColor();
}

void TPreferences::LoadFonts() {
    for (TStyleSlot slot = 0; slot < StyleSlot::Count; ++slot)
        LoadFontSlot(slot, StyleFonts[static_cast<std::size_t>(slot)]);
    LoadSizeStep();
}

void TPreferences::LoadSizeStep() {
    SetSizeStep(Settings->ReadIntValue(FontsSection, "Size", 0));
}

void TPreferences::LoadPageMargins() {
    PageMargins.Top = Settings->ReadIntValue(PageSection, "MarginTop", 15);
    PageMargins.Bottom = Settings->ReadIntValue(PageSection, "MarginBottom", 15);
    PageMargins.Left = Settings->ReadIntValue(PageSection, "MarginLeft", 15);
    PageMargins.Right = Settings->ReadIntValue(PageSection, "MarginRight", 15);
}

void TPreferences::LoadBackgroundColor() {
    BackgroundColor =
        static_cast<TColor>(Settings->ReadIntValue("", "Background", static_cast<std::int32_t>(WindowColor)));
}

void TPreferences::SaveFontSlot(TStyleSlot slot, const TFont& font) {
    const std::string section = FontSection(slot);
    Settings->WriteIntValue(section, "Charset", font.Charset);
    Settings->WriteIntValue(section, "Color", static_cast<std::int32_t>(font.Color));
    Settings->WriteIntValue(section, "Height", font.Height);
    Settings->WriteTextValue(section, "Name", font.Name);
    Settings->WriteIntValue(section, "Pitch", font.Pitch);
    Settings->WriteIntValue(section, "Size", font.Size(m_pixelsPerInch));
    Settings->WriteIntValue(section, "Style", font.Style & FontStyle::All);
}

void TPreferences::SaveSizeStep() {
    Settings->WriteIntValue(FontsSection, "Size", SizeStep);
}

void TPreferences::SavePageMargins() {
    Settings->WriteIntValue(PageSection, "MarginTop", PageMargins.Top);
    Settings->WriteIntValue(PageSection, "MarginBottom", PageMargins.Bottom);
    Settings->WriteIntValue(PageSection, "MarginLeft", PageMargins.Left);
    Settings->WriteIntValue(PageSection, "MarginRight", PageMargins.Right);
}

void TPreferences::SaveWindowPosition(const std::string& name, const TWindowGeometry& geometry) {
    const std::string section = "Positions\\" + name;
    Settings->WriteIntValue(section, "Top", geometry.Top);
    Settings->WriteIntValue(section, "Left", geometry.Left);
    Settings->WriteIntValue(section, "Width", geometry.Width);
    Settings->WriteIntValue(section, "Height", geometry.Height);
}

void TPreferences::SaveBackgroundColor() {
    Settings->WriteIntValue("", "Background", static_cast<std::int32_t>(BackgroundColor));
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
