#include "library/artist.h"
#include "platform/codepage.h"
#include "render/rtfwriter.h"
#include "render/songrenderer.h"
#include "settings/filebackend.h"
#include "settings/preferences.h"
#include "settings/registryexport.h"
#include "settings/songshifts.h"
#include "settings/stagevalues.h"
#include "tests/settings/settingsfixture.h"
#include "tests/support/songfixture.h"

#include <map>
#include <set>

namespace {

// The size, in twips, of the rendered line that holds the text.
std::int32_t TwipsOfLine(const TRichDocument& document, const std::string& ansiText) {
    const std::size_t start = document.Text().find(ansiText + '\r');
    std::int32_t twips = -1;
    for (const TFormatRun& run : document.Runs()) {
        if (start != std::string::npos && run.Start <= start)
            twips = run.Format.SizeTwips;
    }
    return twips;
}

class PreferencesTest : public SettingsTest {
protected:
    void SetUp() override {
        m_fonts = {};
        for (TStyleSlot slot = 0; slot < StyleSlot::Count; ++slot)
            m_fonts[static_cast<std::size_t>(slot)] = DefaultFont(slot);
        m_sizeStep = 0;
    }

    // A window's start, on a screen of the given resolution: fonts, margins, background.
    std::unique_ptr<TPreferences> Start(int pixelsPerInch = 96) {
        auto preferences = std::make_unique<TPreferences>(OpenStore(), pixelsPerInch, m_fonts, m_sizeStep);
        preferences->LoadFonts();
        preferences->LoadPageMargins();
        preferences->LoadBackgroundColor();
        preferences->LoadNotation();
        return preferences;
    }

    void Store(const std::string& section, const std::string& name, const std::string& text) {
        OpenStore()->WriteTextValue(section, name, text);
    }

    // The fonts and the step the preferences are given: never the program's own.
    TStyleFonts m_fonts;
    int m_sizeStep = 0;
};

TEST_F(PreferencesTest, AFirstRunUsesTheDefaultsAndWritesNothing) {
    const auto preferences = Start();
    for (TStyleSlot slot = 0; slot < StyleSlot::Count; ++slot)
        EXPECT_EQ(DefaultFont(slot), m_fonts[static_cast<std::size_t>(slot)]) << slot;
    EXPECT_EQ(0, m_sizeStep);
    EXPECT_EQ(TPageMargins{}, preferences->PageMargins);
    EXPECT_EQ(WindowColor, preferences->BackgroundColor);
    EXPECT_EQ("Windows Registry Editor Version 5.00\r\n\r\n[" + CantorixKey + "]\r\n", FileText());
}

TEST_F(PreferencesTest, TakesStoredValuesAsTheyAre) {
    Store("Fonts", "Size", "7");
    Store("Fonts\\Verse", "Style", "5");
    Store("Fonts\\Chords", "Style", "16");
    Store("Fonts\\Tab", "Name", "");
    Store("Fonts\\Normal", "Height", "-40"); // without "Size": no lasting effect
    Store("Fonts\\Title", "Charset", "494"); // low eight bits: 238
    Store("Fonts\\Title", "Color", "$80000005");
    Store("Page", "MarginTop", " 12");
    Store("Page", "MarginLeft", "12 ");
    Store("Page", "MarginRight", "-5");
    Store("", "Background", "-2147483643");
    m_fonts[StyleSlot::Tab].Name = "Előző";
    const auto preferences = Start();
    EXPECT_EQ(7, m_sizeStep);
    EXPECT_EQ(FontStyle::Bold | FontStyle::Underline, m_fonts[StyleSlot::Verse].Style);
    EXPECT_EQ(0, m_fonts[StyleSlot::Chords].Style);
    EXPECT_EQ("Előző", m_fonts[StyleSlot::Tab].Name);          // empty name: typeface unchanged
    EXPECT_EQ("Courier New", m_fonts[StyleSlot::Normal].Name); // missing name: the default
    EXPECT_EQ(DefaultFont(StyleSlot::Normal), m_fonts[StyleSlot::Normal]);
    EXPECT_EQ(238, m_fonts[StyleSlot::Title].Charset);
    EXPECT_EQ(WindowColor, m_fonts[StyleSlot::Title].Color);
    EXPECT_EQ((TPageMargins{15, 12, -5, 15}), preferences->PageMargins);
    EXPECT_EQ(WindowColor, preferences->BackgroundColor);
}

TEST_F(PreferencesTest, SizeDecidesTheHeightThroughThePixelsPerInch) {
    Store("Fonts\\Tab", "Size", "8");
    Store("Fonts\\Tab", "Height", "-3");
    Start(120);
    EXPECT_EQ(-13, m_fonts[StyleSlot::Tab].Height);
    EXPECT_EQ(8, m_fonts[StyleSlot::Tab].Size(120));
}

// Fonts are loaded for the screen and rendered for the same screen, so each
// line shows its stored size whatever the resolution.
TEST_F(PreferencesTest, RenderedLinesShowTheStoredSizesOnEveryScreen) {
    Store("Fonts\\Tab", "Size", "8");
    Store("Fonts\\Tab", "Height", "-11");
    WriteBytes(m_folder / "song.txt", SongFileBytes({".artist Előadó", ".title Cím", ".tab", "e|--0--|"}));
    const TArtist artist(m_folder / "song.txt");
    for (const int pixelsPerInch : {96, 120, 144}) {
        SetUp();
        Start(pixelsPerInch);
        TRichDocument document(pixelsPerInch);
        RenderSong(*artist.FirstSong, document, {m_fonts, pixelsPerInch});
        EXPECT_EQ(160, TwipsOfLine(document, "e|--0--|")) << pixelsPerInch;
        EXPECT_EQ(480, TwipsOfLine(document, AnsiFromUtf8("Cím"))) << pixelsPerInch;
    }
}

// Readers take 1 to 1638 points; a size of 0 or less means the slot's own.
TEST_F(PreferencesTest, StoredSizesOutOfRangeBecomeSizesEveryReaderTakes) {
    WriteBytes(m_folder / "song.txt", SongFileBytes({".title Cím", ".verse", "sor"}));
    const TArtist artist(m_folder / "song.txt");
    const std::vector<std::pair<std::string, std::int32_t>> cases = {
        {"0", 24}, {"-5", 24}, {"-2147483648", 24}, {"200000000", 1638}, {"2147483647", 1638}, {"1638", 1638},
    };
    for (const auto& [stored, points] : cases) {
        SetUp();
        Store("Fonts\\Title", "Size", stored);
        const auto preferences = Start(144);
        EXPECT_EQ(points, m_fonts[StyleSlot::Title].Size(144)) << stored;
        TRichDocument document(144);
        RenderSong(*artist.FirstSong, document, {m_fonts, 144});
        EXPECT_EQ(points * 20, TwipsOfLine(document, AnsiFromUtf8("Cím"))) << stored;
        EXPECT_NE(std::string::npos, RichText(document).find("\\fs" + std::to_string(points * 2) + "\\b ")) << stored;
        EXPECT_EQ(180, TwipsOfLine(document, "sor")) << stored; // the next line is not touched
        preferences->FontCommand(StyleSlot::Title, m_fonts[StyleSlot::Title]);
        EXPECT_EQ(std::to_string(points), *OpenStore()->StoredText("Fonts\\Title", "Size")) << stored;
    }
}

TEST_F(PreferencesTest, CommandsWriteEveryValueEvenWhenNothingChanged) {
    const auto preferences = Start();
    preferences->FontCommand(StyleSlot::Title, m_fonts[StyleSlot::Title]); // a cancelled font dialog
    preferences->BackgroundCommand(preferences->BackgroundColor);          // a cancelled colour dialog
    preferences->SavePageMargins();                                        // a cancelled page setup
    preferences->SizeCommand(-2);
    preferences->SaveWindowPosition("Main", {10, 20, 800, 600});
    EXPECT_EQ(-2, m_sizeStep);
    const std::string key = "\r\n[" + CantorixKey;
    EXPECT_EQ(
        "Windows Registry Editor Version 5.00\r\n" + key + "]\r\n\"Background\"=\"-2147483643\"\r\n" + key +
            "\\Fonts]\r\n\"Size\"=\"-2\"\r\n" + key +
            "\\Fonts\\Title]\r\n\"Charset\"=\"238\"\r\n\"Color\"=\"-2147483640\"\r\n\"Height\"=\"-32\"\r\n"
            "\"Name\"=\"Times New Roman\"\r\n\"Pitch\"=\"0\"\r\n\"Size\"=\"24\"\r\n\"Style\"=\"1\"\r\n" +
            key +
            "\\Page]\r\n\"MarginTop\"=\"15\"\r\n\"MarginBottom\"=\"15\"\r\n\"MarginLeft\"=\"15\"\r\n"
            "\"MarginRight\"=\"15\"\r\n" +
            key + "\\Positions]\r\n" + key +
            "\\Positions\\Main]\r\n\"Top\"=\"20\"\r\n\"Left\"=\"10\"\r\n\"Width\"=\"800\"\r\n\"Height\"=\"600\"\r\n",
        FileText());
}

TEST_F(PreferencesTest, ChosenSettingsComeBackAtTheNextStart) {
    {
        const auto preferences = Start();
        TFont chosen = m_fonts[StyleSlot::Chords];
        chosen.Name = "Liberation Mono";
        chosen.SetSize(11, StandardPixelsPerInch);
        chosen.Color = RgbColor(200, 0, 0);
        chosen.Style = FontStyle::Bold | FontStyle::StrikeOut;
        preferences->FontCommand(StyleSlot::Chords, chosen);
        preferences->BackgroundCommand(RgbColor(255, 255, 224));
        preferences->PageMargins = {20, 0, -3, 25};
        preferences->SavePageMargins();
        preferences->SizeCommand(2);
        preferences->NotationCommand(TNotation::English);
    }
    const TFont chosen = m_fonts[StyleSlot::Chords];
    SetUp();
    const auto preferences = Start();
    EXPECT_EQ(chosen, m_fonts[StyleSlot::Chords]);
    EXPECT_EQ(RgbColor(255, 255, 224), preferences->BackgroundColor);
    EXPECT_EQ((TPageMargins{20, 0, -3, 25}), preferences->PageMargins);
    EXPECT_EQ(2, m_sizeStep);
    EXPECT_EQ(TNotation::English, preferences->Notation);
    preferences->NotationCommand(TNotation::Hungarian);
    EXPECT_EQ(TNotation::Hungarian, Start()->Notation);
    for (const char* stored : {"2", "-1", "x"}) { // only 1 is English
        Store("Chords", "Notation", stored);
        EXPECT_EQ(TNotation::Hungarian, Start()->Notation) << stored;
    }
}

TEST_F(PreferencesTest, AValueOfAnotherTypeStopsTheLoadingWithTheRegistrysMessage) {
    WriteFile("Windows Registry Editor Version 5.00\r\n\r\n[" + CantorixKey +
              "\\Fonts\\Verse]\r\n\"Color\"=dword:1\r\n");
    TPreferences preferences(OpenStore(), StandardPixelsPerInch, m_fonts, m_sizeStep);
    try {
        preferences.LoadFonts();
        ADD_FAILURE() << "loaded a dword colour";
    } catch (const TSettingsError& error) {
        EXPECT_STREQ("Invalid data type for 'Color'", error.what());
    }
    EXPECT_EQ(DefaultFont(StyleSlot::Normal), m_fonts[StyleSlot::Normal]); // the slot before was loaded
}

// What `songbook settings` shows can never miss a value: each value every
// command of the viewer writes is described, in effect as it was written.
TEST_F(PreferencesTest, DescribesEveryValueTheViewerWritesAsItWasWritten) {
    WriteBytes(m_folder / "song.txt", SongFileBytes({".artist Előadó", ".title Cím", ".chords", "Am"}));
    const TArtist artist(m_folder / "song.txt");
    const TStyleFonts programFonts = StyleFonts;
    const auto preferences = Start();
    for (TStyleSlot slot = 0; slot < StyleSlot::Count; ++slot)
        preferences->FontCommand(slot, m_fonts[static_cast<std::size_t>(slot)]);
    preferences->SizeCommand(1);
    preferences->BackgroundCommand(RgbColor(1, 2, 3));
    preferences->NotationCommand(TNotation::English);
    preferences->SavePageMargins();
    for (const char* window : {"Main", "List"})
        preferences->SaveWindowPosition(window, {1, 2, 3, 4});
    WriteSongShift(*preferences->Settings, *artist.FirstSong, {3, 2});
    preferences->DarkStageCommand(true);
    WriteScrollSpeed(*preferences->Settings, *artist.FirstSong, 30);

    std::map<std::pair<std::string, std::string>, TSettingState> described;
    for (const TSettingState& state : preferences->Describe())
        described.emplace(std::pair(state.Section, state.Name), state);
    std::vector<TSkippedLine> skipped;
    const TRegistryTree tree = ReadRegistryExport(FileText(), skipped);
    std::size_t written = 0;
    for (const auto& [path, key] : tree.Keys()) {
        const std::string section = key.Path == CantorixKey ? "" : key.Path.substr(CantorixKey.size() + 1);
        for (const TRegistryValue& value : key.Values) {
            ++written;
            const auto state = described.find(std::pair(section, value.Name));
            ASSERT_NE(described.end(), state) << section << "\\" << value.Name;
            if (state->second.IsRead) {
                EXPECT_EQ(value.Text, AnsiToUtf8(state->second.InEffect)) << section << "\\" << value.Name;
            }
        }
    }
    EXPECT_EQ(6u * 7 + 4 + 4 + 2 * 4 + 2, written);
    EXPECT_EQ(programFonts, StyleFonts); // the program's own fonts are not the preferences' to change
    EXPECT_EQ(0, SizeStep);
}

} // namespace
