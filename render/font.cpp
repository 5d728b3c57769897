#include "render/font.h"

#include <cmath>

// Both conversions round to the nearest whole number, halves away from zero.
std::int32_t TFont::Size(int pixelsPerInch) const {
    return static_cast<std::int32_t>(-std::lround(static_cast<double>(Height) * 72.0 / pixelsPerInch));
}

void TFont::SetSize(std::int32_t points, int pixelsPerInch) {
    Height = static_cast<std::int32_t>(-std::lround(static_cast<double>(points) * pixelsPerInch / 72.0));
}
