#include "render/systemcolors.h"

#include <array>

namespace {

// The standard Windows scheme, by system colour index.
constexpr std::array<TColor, 31> StandardColors = {
    RgbColor(200, 200, 200), RgbColor(0, 0, 0),       RgbColor(153, 180, 209), RgbColor(191, 205, 219),
    RgbColor(240, 240, 240), RgbColor(255, 255, 255), RgbColor(100, 100, 100), RgbColor(0, 0, 0),
    RgbColor(0, 0, 0),       RgbColor(0, 0, 0),       RgbColor(180, 180, 180), RgbColor(244, 247, 252),
    RgbColor(171, 171, 171), RgbColor(0, 120, 215),   RgbColor(255, 255, 255), RgbColor(240, 240, 240),
    RgbColor(160, 160, 160), RgbColor(109, 109, 109), RgbColor(0, 0, 0),       RgbColor(0, 0, 0),
    RgbColor(255, 255, 255), RgbColor(105, 105, 105), RgbColor(227, 227, 227), RgbColor(0, 0, 0),
    RgbColor(255, 255, 225), RgbColor(0, 0, 0),       RgbColor(0, 102, 204),   RgbColor(185, 209, 234),
    RgbColor(215, 228, 242), RgbColor(0, 120, 215),   RgbColor(240, 240, 240),
};

TSystemColorSource& Source() {
    static TSystemColorSource source;
    return source;
}

} // namespace

void SetSystemColorSource(TSystemColorSource source) {
    Source() = std::move(source);
}

TColor ResolveColor(TColor color) {
    if (!IsSystemColor(color))
        return color & 0xFFFFFF;
    const int index = static_cast<int>(color & 0xFF);
    if (Source()) {
        if (const auto rgb = Source()(index))
            return *rgb & 0xFFFFFF;
    }
    return index < static_cast<int>(StandardColors.size()) ? StandardColors[index] : RgbColor(0, 0, 0);
}
