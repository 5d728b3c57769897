#include "print/stagescheme.h"

#include <algorithm>
#include <cmath>

namespace {

double Linear(std::uint8_t channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

} // namespace

double RelativeLuminance(TColor rgb) {
    return 0.2126 * Linear(RedOf(rgb)) + 0.7152 * Linear(GreenOf(rgb)) + 0.0722 * Linear(BlueOf(rgb));
}

double ContrastRatio(TColor first, TColor second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

TStyleFonts InScheme(TStyleFonts fonts, const TStageScheme& scheme) {
    for (TStyleSlot slot = 0; slot < StyleSlot::Count; ++slot)
        fonts[static_cast<std::size_t>(slot)].Color = slot == StyleSlot::Chords ? scheme.Chords : scheme.Text;
    return fonts;
}
