#pragma once

#include <cstdint>
#include <functional>
#include <optional>

// Colours as the song library's settings hold them: 0x00BBGGRR, or, with the
// top bit set, the index of a system colour of the user's colour scheme.
using TColor = std::uint32_t;

constexpr TColor SystemColorFlag = 0x80000000;
constexpr TColor WindowColor = SystemColorFlag | 5;
constexpr TColor WindowTextColor = SystemColorFlag | 8;

constexpr bool IsSystemColor(TColor color) {
    return (color & SystemColorFlag) != 0;
}
constexpr TColor RgbColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return red | static_cast<TColor>(green) << 8 | static_cast<TColor>(blue) << 16;
}
constexpr std::uint8_t RedOf(TColor color) {
    return color & 0xFF;
}
constexpr std::uint8_t GreenOf(TColor color) {
    return (color >> 8) & 0xFF;
}
constexpr std::uint8_t BlueOf(TColor color) {
    return (color >> 16) & 0xFF;
}

// Where system colours come from: the window supplies the desktop palette;
// without one, and for the colours it does not know, the standard scheme's values are used.
using TSystemColorSource = std::function<std::optional<TColor>(int index)>;
void SetSystemColorSource(TSystemColorSource source);

// The red-green-blue value of any colour at this moment.
TColor ResolveColor(TColor color);
