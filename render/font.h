#pragma once

#include "render/systemcolors.h"

#include <cstdint>
#include <string>

constexpr int StandardPixelsPerInch = 96;

// Font sizes in points that every reader of our documents takes: Qt and the
// RTF readers handle up to 1638 points (RTF's half-points stay below 2^15).
constexpr std::int32_t SmallestPointSize = 1;
constexpr std::int32_t LargestPointSize = 1638;

// A font as the style slots and the settings hold it. Size is not stored: it
// is tied to Height through the screen's pixels per inch, the one the fonts
// were loaded at.
struct TFont {
    std::uint8_t Charset = 1;
    TColor Color = WindowTextColor;
    std::int32_t Height = 0; // pixels; negative: the character height
    std::string Name;
    std::uint8_t Pitch = 0; // 0 default, 1 variable, 2 fixed
    std::int32_t Style = 0; // bit 0 bold, 1 italic, 2 underline, 3 strike-out

    // Never beyond LargestPointSize either way, whatever the height.
    std::int32_t Size(int pixelsPerInch) const;
    // Sizes beyond the range readers take are brought into it.
    void SetSize(std::int32_t points, int pixelsPerInch);

    bool operator==(const TFont&) const = default;
};

// What a new font object holds before anything is set on it: the
// platform's default font, 8 points.
TFont PlatformDefaultFont(int pixelsPerInch);

namespace FontStyle {
constexpr std::int32_t Bold = 1;
constexpr std::int32_t Italic = 2;
constexpr std::int32_t Underline = 4;
constexpr std::int32_t StrikeOut = 8;
constexpr std::int32_t All = 15;
} // namespace FontStyle
