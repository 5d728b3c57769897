#include "render/styleslots.h"

#include "render/document.h"

#include <stdexcept>

namespace {

constexpr std::uint8_t EastEuropeanCharset = 238;

struct TSlotDefaults {
    const char* SlotName;
    std::int32_t Height;
    const char* FaceName;
    std::int32_t Size;
    std::int32_t Style;
};

constexpr std::array<TSlotDefaults, StyleSlot::Count> Defaults = {{
    {"Normal", -12, "Courier New", 9, 0},
    {"Verse", -12, "Courier New", 9, FontStyle::Bold},
    {"Chords", -12, "Courier New", 9, FontStyle::Italic},
    {"Tab", -11, "Courier New", 8, FontStyle::Bold},
    {"Title", -32, "Times New Roman", 24, FontStyle::Bold},
    {"Authors", -12, "Times New Roman", 9, FontStyle::Italic},
}};

const TSlotDefaults& DefaultsOf(TStyleSlot slot) {
    if (slot < 0 || slot >= StyleSlot::Count)
        throw std::out_of_range("style slot " + std::to_string(slot));
    return Defaults[static_cast<std::size_t>(slot)];
}

TStyleFonts MakeDefaultFonts() {
    TStyleFonts fonts;
    for (TStyleSlot slot = 0; slot < StyleSlot::Count; ++slot)
        fonts[static_cast<std::size_t>(slot)] = DefaultFont(slot);
    return fonts;
}

} // namespace

TStyleFonts StyleFonts = MakeDefaultFonts();
int SizeStep = 0;

bool StyleSlotName(TStyleSlot slot, std::string& name) {
    if (slot < 0 || slot >= StyleSlot::Count)
        return false;
    name = Defaults[static_cast<std::size_t>(slot)].SlotName;
    return true;
}

std::uint8_t DefaultCharset(TStyleSlot) {
    return EastEuropeanCharset;
}
TColor DefaultColor(TStyleSlot) {
    return WindowTextColor;
}
std::int32_t DefaultHeight(TStyleSlot slot) {
    return DefaultsOf(slot).Height;
}
std::string DefaultName(TStyleSlot slot) {
    return DefaultsOf(slot).FaceName;
}
std::uint8_t DefaultPitch(TStyleSlot) {
    return 0;
}
std::int32_t DefaultSize(TStyleSlot slot) {
    return DefaultsOf(slot).Size;
}
std::int32_t DefaultStyle(TStyleSlot slot) {
    return DefaultsOf(slot).Style;
}

TFont DefaultFont(TStyleSlot slot) {
    return {DefaultCharset(slot), DefaultColor(slot), DefaultHeight(slot),
            DefaultName(slot),    DefaultPitch(slot), DefaultStyle(slot)};
}

void ApplyStyleSlot(TStyleSlot slot, TRichDocument& document, const TRenderStyle& style) {
    const std::int32_t defaultSize = DefaultsOf(slot).Size;
    const TFont& font = style.Fonts[static_cast<std::size_t>(slot)];
    const std::int32_t size = font.Size(style.PixelsPerInch);
    document.SetSelectionAttribute(TFontAttribute::Charset, std::int64_t{font.Charset});
    document.SetSelectionAttribute(TFontAttribute::Color, std::int64_t{font.Color});
    document.SetSelectionAttribute(TFontAttribute::Height, std::int64_t{font.Height});
    document.SetSelectionAttribute(TFontAttribute::Name, font.Name);
    document.SetSelectionAttribute(TFontAttribute::Pitch, std::int64_t{font.Pitch});
    document.SetSelectionAttribute(TFontAttribute::Size, std::int64_t{size > 0 ? size : defaultSize});
    document.SetSelectionAttribute(TFontAttribute::Style, std::int64_t{font.Style});
}

TCharacterFormat SlotFormat(TStyleSlot slot, const TRenderStyle& style) {
    TRichDocument scratch(style.PixelsPerInch);
    ApplyStyleSlot(slot, scratch, style);
    return scratch.InsertionFormat();
}
