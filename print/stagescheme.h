#pragma once

#include "render/styleslots.h"
#include "render/systemcolors.h"

// The colours of the performance view, red-green-blue.
struct TStageScheme {
    TColor Background;
    TColor Text;
    TColor Chords;
};

// Light text on a dark background, for a dark stage: the chords in amber,
// which tells them from the words at a glance. Both have a contrast of
// well above 4.5:1 against the background (WCAG AA).
constexpr TStageScheme DarkStageScheme = {RgbColor(0x14, 0x14, 0x14), RgbColor(0xEC, 0xEC, 0xEC),
                                          RgbColor(0xFF, 0xC1, 0x4D)};

// The WCAG 2 relative luminance of a red-green-blue colour, 0 (black) to 1 (white).
double RelativeLuminance(TColor rgb);
// The WCAG 2 contrast ratio of two red-green-blue colours, 1 to 21, whichever is lighter.
double ContrastRatio(TColor first, TColor second);

// The fonts with every slot in the scheme's text colour, the chords in its chord colour.
TStyleFonts InScheme(TStyleFonts fonts, const TStageScheme& scheme);
