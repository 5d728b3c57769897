#pragma once

#include "chords/notation.h"
#include "render/pagemargins.h"
#include "render/styleslots.h"
#include "settings/settings.h"
#include "settings/settingvalues.h"

#include <functional>
#include <memory>
#include <string>

// One value as it is in effect, for tools that show the settings beside
// what the store holds.
struct TSettingState {
    std::string Section;
    std::string Name;
    bool IsText;
    bool IsRead;          // false: held and read by the windows, not here (their positions, the tree)
    std::string InEffect; // as it would be written (model text for a name); nothing for a value never read
};

// What the main window keeps in the settings store, and how it loads and
// saves it: the slot fonts (StyleFonts), the size step (SizeStep), the page
// margins, the song windows' background colour, the chord notation of songs
// that do not show theirs, the song folder chosen, and the window geometries.
// Each change is written when it is made.
class TPreferences {
public:
    // Font sizes and heights are tied at the given resolution, the screen's.
    TPreferences(std::unique_ptr<TSettings> settings, int pixelsPerInch);

    // What the program does with the settings as it starts: six new fonts
    // as the platform makes them, then every stored value over them (fonts,
    // size step, margins, background). A value of the wrong type stops it
    // there with the registry's error; what was loaded before stays.
    void LoadAll();

    void LoadFontSlot(TStyleSlot slot, TFont& font);
    void LoadFonts();
    void LoadSizeStep();
    void LoadPageMargins();
    void LoadBackgroundColor();
    void LoadNotation();
    void LoadDataFolder();

    void SaveFontSlot(TStyleSlot slot, const TFont& font);
    void SaveSizeStep();
    void SavePageMargins();
    void SaveWindowPosition(const std::string& name, const TWindowGeometry& geometry);
    void SaveBackgroundColor();
    void SaveNotation();

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

    std::unique_ptr<TSettings> Settings;
    TColor BackgroundColor = WindowColor;
    TPageMargins PageMargins;
    TNotation Notation = TNotation::Hungarian;
    std::string DataFolder; // model text; empty until the user chooses one

private:
    int m_pixelsPerInch;
};
