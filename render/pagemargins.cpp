#include "render/pagemargins.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double MillimetresPerInch = 25.4;

std::int64_t Pixels(std::int32_t millimetres, int resolution) {
    return std::llround(millimetres / MillimetresPerInch * resolution);
}

std::int32_t Clamped(std::int64_t pixels) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(pixels, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

} // namespace

TRect PrintRectFor(const TPageMargins& margins, int resolutionX, int resolutionY, int width, int height) {
    return {Clamped(Pixels(margins.Left, resolutionX)), Clamped(Pixels(margins.Top, resolutionY)),
            Clamped(width - Pixels(margins.Right, resolutionX)), Clamped(height - Pixels(margins.Bottom, resolutionY))};
}
