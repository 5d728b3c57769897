#pragma once

#include "render/font.h"

#include <array>
#include <string>

class TRichDocument;
struct TCharacterFormat;

// The six text styles of a rendered song, each one user-chosen font.
using TStyleSlot = int;
namespace StyleSlot {
constexpr TStyleSlot Normal = 0;
constexpr TStyleSlot Verse = 1;
constexpr TStyleSlot Chords = 2;
constexpr TStyleSlot Tab = 3;
constexpr TStyleSlot Title = 4;
constexpr TStyleSlot Authors = 5;
constexpr int Count = 6;
} // namespace StyleSlot

// "Normal" ... "Authors". For a slot outside 0..5 it gives nothing and leaves name as it was.
bool StyleSlotName(TStyleSlot slot, std::string& name);

std::uint8_t DefaultCharset(TStyleSlot slot);
TColor DefaultColor(TStyleSlot slot);
std::int32_t DefaultHeight(TStyleSlot slot);
std::string DefaultName(TStyleSlot slot);
std::uint8_t DefaultPitch(TStyleSlot slot);
std::int32_t DefaultSize(TStyleSlot slot);
std::int32_t DefaultStyle(TStyleSlot slot);
TFont DefaultFont(TStyleSlot slot);

using TStyleFonts = std::array<TFont, StyleSlot::Count>;

// The fonts every document is rendered with; the defaults until the settings load.
extern TStyleFonts StyleFonts;
// The font-size menu's choice, -2..2. It zooms song windows on screen only:
// documents that are saved, copied or printed keep the slot fonts.
extern int SizeStep;
constexpr int SmallestSizeStep = -2;
constexpr int LargestSizeStep = 2;

// What a document is rendered with: the six fonts, and the screen resolution
// they were loaded at, which ties each font's size to its height.
struct TRenderStyle {
    const TStyleFonts& Fonts;
    int PixelsPerInch;
};

// Makes the slot's font the format of the text appended next. A font without
// a usable size takes its slot's default size, never the previous line's.
void ApplyStyleSlot(TStyleSlot slot, TRichDocument& document, const TRenderStyle& style);

// What ApplyStyleSlot sets, every attribute of a character format, whatever
// was set before: the same as SetSelectionFormat, made once for many lines.
TCharacterFormat SlotFormat(TStyleSlot slot, const TRenderStyle& style);
