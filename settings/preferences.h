#pragma once

#include "chords/notation.h"
#include "render/pagemargins.h"
#include "render/styleslots.h"
#include "settings/settings.h"
#include "settings/settingvalues.h"

#include <memory>
#include <span>
#include <string>
#include <variant>
#include <vector>

struct TPlainValue;

// One value as it is in effect, for tools that show the settings beside
// what the store holds.
struct TSettingState {
    std::string Section;
    std::string Name;
    bool IsText;
    bool IsRead;                      // false: held and read by the windows, not here (their positions, the tree)
    std::string InEffect;             // as it would be written (model text for a name); nothing for a value never read
    const char* EmptyMeans = nullptr; // what an empty stored text does, where it does something of its own
    bool IsSongSlot = false;          // one of the many per-song values: worth showing only when stored
};

// What the main window keeps in the settings store, and how it loads and
// saves it: the slot fonts and the size step (into what it is given: the
// program chooses which), the page margins, the song windows' background
// colour, the chord notation of songs that do not show theirs, the song
// folder chosen, the window geometries, and the performance view's colours.
// Each change is written when it is made.
class TPreferences {
public:
    // Font sizes and heights are tied at the given resolution, the screen's.
    TPreferences(std::unique_ptr<TSettings> settings, int pixelsPerInch, TStyleFonts& fonts, int& sizeStep);

    // What the program does with the settings as it starts: six new fonts
    // as the platform makes them, then every stored value over them (fonts,
    // size step, margins, background, notation). A value of the wrong type
    // stops it there with the registry's error; what was loaded before stays.
    void LoadAll();

    void LoadFontSlot(TStyleSlot slot, TFont& font);
    void LoadFonts();
    void LoadSizeStep();
    void LoadPageMargins();
    void LoadBackgroundColor();
    void LoadNotation();

    void SaveFontSlot(TStyleSlot slot, const TFont& font);
    void SaveSizeStep();
    void SavePageMargins();
    void SaveWindowPosition(const std::string& name, const TWindowGeometry& geometry);
    void SaveBackgroundColor();
    void SaveNotation();
    void SaveKeepVerses();

    void SetSizeStep(int value);
    void SetBackgroundColor(TColor color);

    // Every value the viewer reads or writes, as it is in effect.
    std::vector<TSettingState> Describe() const;

    // The menu commands: the in-memory value changes first, then it is written.
    void FontCommand(TStyleSlot slot, const TFont& chosen);
    void SizeCommand(int step);
    void BackgroundCommand(TColor chosen);
    void NotationCommand(TNotation chosen);
    void DataFolderCommand(const std::string& chosen);
    void DarkStageCommand(bool dark);

    std::unique_ptr<TSettings> Settings;
    TStyleFonts& Fonts;
    int& FontSizeStep;
    TColor BackgroundColor = WindowColor;
    TPageMargins PageMargins;
    bool KeepVerses = false; // printing keeps each verse that fits a page whole
    TNotation Notation = TNotation::Hungarian;
    std::string DataFolder; // model text; empty until the user chooses one
    bool DarkStage = false; // the performance view in light text on a dark background

private:
    void Load(const TPlainValue& value);
    void Save(const TPlainValue& value);

    int m_pixelsPerInch;
};

// A value as the store keeps it: an integer or a text.
using TStoredValue = std::variant<std::int32_t, std::string>;

// A value of its own beside the font sections, the margins and the window
// positions: where it lives, its default (whose kind is the value's), and
// its rule. Loading, saving and Describe all walk these rows, so a new
// value is one more row (and the member it goes into).
struct TPlainValue {
    const char* Section;
    const char* Name;
    TStoredValue Default;
    // Takes the value read (or the default) into the preferences, by its rule.
    void (*Apply)(TPreferences& preferences, const TStoredValue& value);
    // The value in effect, as it is written.
    TStoredValue (*Written)(const TPreferences& preferences);
    const char* EmptyMeans = nullptr; // for a text: what an empty one does
};
// The values of "Fonts" among them are loaded with the fonts, the others after the margins.
std::span<const TPlainValue> PlainValues();
