#include "library/artist.h"
#include "settings/preferences.h"
#include "settings/songshifts.h"
#include "settings/stagevalues.h"
#include "tests/settings/settingsfixture.h"
#include "tests/support/songfixture.h"

namespace {

class StageValuesTest : public SettingsTest {
protected:
    std::unique_ptr<TArtist> Songs() {
        WriteBytes(m_folder / "dalok.txt", SongFileBytes({".artist Zenekar", ".title Első", ".title Második"}));
        return std::make_unique<TArtist>(m_folder / "dalok.txt");
    }

    std::unique_ptr<TPreferences> Start() {
        auto preferences = std::make_unique<TPreferences>(OpenStore(), 96, m_fonts, m_sizeStep);
        preferences->LoadAll();
        return preferences;
    }

    TStyleFonts m_fonts;
    int m_sizeStep = 0;
};

// Each song keeps its own speed, apart from its shift, which shares its slot's number.
TEST_F(StageValuesTest, EachSongComesBackWithItsSpeedBesideItsShift) {
    const std::unique_ptr<TArtist> artist = Songs();
    const TSong& first = *artist->FirstSong;
    const TSong& second = *first.Next;
    EXPECT_EQ(DefaultScrollSpeed, ReadScrollSpeed(*OpenStore(), first));
    WriteScrollSpeed(*OpenStore(), first, 30);
    WriteSongShift(*OpenStore(), first, {2, 0});
    EXPECT_EQ(30, ReadScrollSpeed(*OpenStore(), first));
    EXPECT_EQ((TSongShift{2, 0}), ReadSongShift(*OpenStore(), first));
    EXPECT_EQ(DefaultScrollSpeed, ReadScrollSpeed(*OpenStore(), second));
    EXPECT_NE(std::string::npos, FileText().find("[" + CantorixKey + "\\Performance]"));
    EXPECT_NE(std::string::npos, FileText().find("=\"30 dalok.txt|Els"));
    WriteScrollSpeed(*OpenStore(), first, DefaultScrollSpeed);
    EXPECT_EQ(DefaultScrollSpeed, ReadScrollSpeed(*OpenStore(), first));
}

// The default never takes a slot; a speed out of range comes back in it.
TEST_F(StageValuesTest, SpeedsAreKeptInRangeAndTheDefaultIsNotWritten) {
    const std::unique_ptr<TArtist> artist = Songs();
    const TSong& song = *artist->FirstSong;
    WriteScrollSpeed(*OpenStore(), song, DefaultScrollSpeed);
    EXPECT_EQ(std::string::npos, FileText().find("Speed"));
    const struct {
        int Written;
        int Read;
    } cases[] = {{0, SlowestScrollSpeed}, {-5, SlowestScrollSpeed}, {1000, FastestScrollSpeed}, {45, 45}};
    for (const auto& row : cases) {
        WriteScrollSpeed(*OpenStore(), song, row.Written);
        EXPECT_EQ(row.Read, ReadScrollSpeed(*OpenStore(), song)) << row.Written;
    }
}

TEST_F(StageValuesTest, TheDarkSchemeIsRememberedAndOnlyOneMeansDark) {
    EXPECT_FALSE(Start()->DarkStage);
    EXPECT_EQ(std::string::npos, FileText().find("Dark")); // a first run writes nothing
    Start()->DarkStageCommand(true);
    EXPECT_TRUE(Start()->DarkStage);
    EXPECT_NE(std::string::npos, FileText().find("\"Dark\"=\"1\""));
    Start()->DarkStageCommand(false);
    EXPECT_FALSE(Start()->DarkStage);
    for (const char* stored : {"2", "-1", "x"}) {
        OpenStore()->WriteTextValue(PerformanceSection, DarkName, stored);
        EXPECT_FALSE(Start()->DarkStage) << stored;
    }
}

} // namespace
