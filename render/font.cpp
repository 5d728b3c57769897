#include "render/font.h"

#include <algorithm>
#include <cmath>

// Both conversions round to the nearest whole number, halves away from zero,
// and work in floating point so that no stored value can overflow them.
std::int32_t TFont::Size(int pixelsPerInch) const {
    const double points = -static_cast<double>(Height) * 72.0 / pixelsPerInch;
    return static_cast<std::int32_t>(
        std::lround(std::clamp(points, -double{LargestPointSize}, double{LargestPointSize})));
}

void TFont::SetSize(std::int32_t points, int pixelsPerInch) {
    const std::int32_t kept = std::clamp(points, SmallestPointSize, LargestPointSize);
    Height = static_cast<std::int32_t>(-std::lround(static_cast<double>(kept) * pixelsPerInch / 72.0));
}

TFont PlatformDefaultFont(int pixelsPerInch) {
    TFont font;
    font.Name = "MS Sans Serif";
    font.SetSize(8, pixelsPerInch);
    return font;
}
