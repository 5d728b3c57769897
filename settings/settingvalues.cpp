#include "settings/settingvalues.h"

namespace {

std::int32_t DefaultColorValue(TStyleSlot slot) {
    return static_cast<std::int32_t>(DefaultColor(slot));
}
std::int32_t DefaultCharsetValue(TStyleSlot slot) {
    return DefaultCharset(slot);
}
std::int32_t DefaultPitchValue(TStyleSlot slot) {
    return DefaultPitch(slot);
}
std::int32_t NoNumber(TStyleSlot) {
    return 0;
}

} // namespace

std::string FontSection(TStyleSlot slot) {
    std::string name;
    StyleSlotName(slot, name);
    return std::string(FontsSection) + "\\" + name;
}

// Each value takes effect as it is read, so "Size", read after "Height",
// always decides the height; a size of 0 or less would leave no size at all,
// and means the slot's own. Character set and pitch keep their low 8 bits,
// the style its four effects.
const TFontValue FontValues[7] = {
    {"Charset", false, DefaultCharsetValue,
     [](TFont& font, std::int32_t value, TStyleSlot, int) { font.Charset = static_cast<std::uint8_t>(value); },
     [](const TFont& font, int) -> std::int32_t { return font.Charset; }},
    {"Color", false, DefaultColorValue,
     [](TFont& font, std::int32_t value, TStyleSlot, int) { font.Color = static_cast<TColor>(value); },
     [](const TFont& font, int) { return static_cast<std::int32_t>(font.Color); }},
    {"Height", false, DefaultHeight, [](TFont& font, std::int32_t value, TStyleSlot, int) { font.Height = value; },
     [](const TFont& font, int) { return font.Height; }},
    {"Name", true, NoNumber, nullptr, nullptr},
    {"Pitch", false, DefaultPitchValue,
     [](TFont& font, std::int32_t value, TStyleSlot, int) { font.Pitch = static_cast<std::uint8_t>(value); },
     [](const TFont& font, int) -> std::int32_t { return font.Pitch; }},
    {"Size", false, DefaultSize,
     [](TFont& font, std::int32_t value, TStyleSlot slot, int pixelsPerInch) {
         font.SetSize(value > 0 ? value : DefaultSize(slot), pixelsPerInch);
     },
     [](const TFont& font, int pixelsPerInch) { return font.Size(pixelsPerInch); }},
    {"Style", false, DefaultStyle,
     [](TFont& font, std::int32_t value, TStyleSlot, int) { font.Style = value & FontStyle::All; },
     [](const TFont& font, int) { return font.Style & FontStyle::All; }},
};

const TMarginValue MarginValues[4] = {
    {"MarginTop", &TPageMargins::Top},
    {"MarginBottom", &TPageMargins::Bottom},
    {"MarginLeft", &TPageMargins::Left},
    {"MarginRight", &TPageMargins::Right},
};

const TGeometryValue GeometryValues[4] = {
    {"Top", &TWindowGeometry::Top},
    {"Left", &TWindowGeometry::Left},
    {"Width", &TWindowGeometry::Width},
    {"Height", &TWindowGeometry::Height},
};
