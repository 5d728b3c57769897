#pragma once

#include "render/document.h"

#include <cstdint>

// Print margins in millimetres; no limits: zero and negative margins are kept.
struct TPageMargins {
    std::int32_t Left = 15;
    std::int32_t Top = 15;
    std::int32_t Right = 15;
    std::int32_t Bottom = 15;

    bool operator==(const TPageMargins&) const = default;
};

// The print rectangle of the margins, in printer pixels from the top-left of
// the printable area: the margins are measured from its edges. Any margin,
// however large, gives a rectangle without overflow (an empty one when
// nothing fits: the whole area is then printed on).
TRect PrintRectFor(const TPageMargins& margins, int resolutionX, int resolutionY, int width, int height);
