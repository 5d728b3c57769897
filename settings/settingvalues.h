#pragma once

#include "render/pagemargins.h"
#include "render/styleslots.h"

#include <cstdint>
#include <string>

// The values the viewer keeps, each once: its name, its default and its
// rule. The preferences read and write through these tables, and the tools
// that show the settings walk them, so the two cannot drift apart.

struct TWindowGeometry {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
};

constexpr const char* FontsSection = "Fonts";
constexpr const char* PageSection = "Page";
constexpr const char* PositionsSection = "Positions";
constexpr const char* SizeStepName = "Size";         // in "Fonts"
constexpr const char* BackgroundName = "Background"; // in the root
constexpr const char* KeepVersesName = "KeepVerses"; // in "Page": 1 prints each verse that fits a page whole
constexpr const char* DataFolderName = "DataFolder"; // in the root: the song folder chosen in the viewer
constexpr const char* ChordsSection = "Chords";
constexpr const char* NotationName = "Notation"; // in "Chords": 0 Hungarian (H, B), 1 English (B, Bb)
constexpr const char* TreeSection = "Tree";      // what the artist tree had open and selected
constexpr const char* TreeExpandedName = "Expanded";
constexpr const char* TreeSelectedName = "Selected";

// "Fonts\" and the slot's name.
std::string FontSection(TStyleSlot slot);

// A value of a font section, in the order the values are read and written.
// "Name" is the one text; the others are integers.
struct TFontValue {
    const char* Name;
    bool IsText;
    std::int32_t (*Default)(TStyleSlot slot);
    // Takes the value read (or the default) into the font, by its rule.
    void (*Apply)(TFont& font, std::int32_t value, TStyleSlot slot, int pixelsPerInch);
    // The value as written for the font.
    std::int32_t (*Written)(const TFont& font, int pixelsPerInch);
};
extern const TFontValue FontValues[7];

// The margins of "Page", in the order they are read and written.
struct TMarginValue {
    const char* Name;
    std::int32_t TPageMargins::*Margin;
};
extern const TMarginValue MarginValues[4];
constexpr std::int32_t DefaultMargin = 15;

// A window's geometry under "Positions\<window>", written at close, read
// back at start when it still fits the screen.
struct TGeometryValue {
    const char* Name;
    std::int32_t TWindowGeometry::*Part;
};
extern const TGeometryValue GeometryValues[4];
constexpr const char* GeometryWindows[] = {"Main", "List"};
