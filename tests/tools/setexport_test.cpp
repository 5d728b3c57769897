// songbook export --set: a set list file's songs in its order, as one book.
#include "library/loader.h"
#include "settings/settings.h"
#include "settings/songshifts.h"
#include "tests/support/externaltool.h"
#include "tests/support/songfixture.h"
#include "tests/support/tempdirectory.h"
#include "tests/tools/songbookrun.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>

namespace {

class SetExport : public SongbookWithSettings {
protected:
    void SetUp() override {
        SongbookWithSettings::SetUp();
        WriteBytes(m_data / "a.txt", SongFileBytes({".artist Őszi Zenekar", ".title Első", ".defverse", "Am", "ősz van",
                                                    ".title Második", ".defverse", "C", "űr"}));
        WriteBytes(m_data / "b.txt",
                   SongFileBytes({".artist Kovács - Nagy Duó", ".title Dal", ".defverse", "G", "duó"}));
        // As a user writes it by hand on Windows: a BOM, CR LF, a blank line.
        WriteBytes(m_set, "\xEF\xBB\xBFKovács - Nagy Duó - Dal\r\nNincs ilyen - dal\r\n\r\nŐszi Zenekar - Második\r\n"
                          "Őszi Zenekar - Első\r\n");
    }

    TRun Export(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"export", "--data", m_data.Path()});
        return Songbook(arguments);
    }

    // As the viewer remembers a song left moved in its window.
    void RememberShift(const std::string& title, TSongShift shift) {
        std::unique_ptr<TArtist> library;
        ASSERT_TRUE(LoadSongLibrary(m_data.Path(), library, nullptr).empty());
        for (const TSong* song = library->FirstSong.get(); song; song = song->Next.get()) {
            if (Utf8FromAnsi(song->Title) == title)
                WriteSongShift(*OpenSettings(SettingsRoot, "songbook_tests", std::cerr), *song, shift);
        }
    }

    TTempDirectory m_data;
    TTempDirectory m_sets;
    TTempDirectory m_out;
    std::string m_set = m_sets / "Péntek este.txt";
};

// The songs in set order, each in the key the viewer keeps for it; the
// entry the library lacks is named, and the exit status says so.
TEST_F(SetExport, WritesTheSongsInSetOrderEachInItsOwnKey) {
    SKIP_WITHOUT_DEBIAN_TOOLS();
    RememberShift("Első", {2, 0});
    const TRun run = Export({"--set", m_set, "-o", m_out / "műsor.rtf"});
    EXPECT_EQ(1, run.ExitCode);
    EXPECT_EQ(m_out / "műsor.rtf" + "\n", run.Out);
    EXPECT_EQ("songbook: not in the library, left out: Nincs ilyen - dal\n", run.Err);
    EXPECT_EQ("Kovács - Nagy Duó\n\nDal\n\nG\n\nduó\n\n"
              "Őszi Zenekar\n\nMásodik\n\nC\n\nűr\n\n"
              "Őszi Zenekar\n\nElső\n\nHm\n\nősz van\n",
              PandocText(m_out / "műsor.rtf"));
}

// --transpose and --capo move every song alike, in place of each one's own key.
TEST_F(SetExport, OneShiftAskedForMovesEverySong) {
    SKIP_WITHOUT_DEBIAN_TOOLS();
    RememberShift("Első", {5, 0});
    WriteBytes(m_set, "Őszi Zenekar - Első\nŐszi Zenekar - Második\n");
    const TRun run = Export({"--set", m_set, "-o", m_out / "műsor.rtf", "--transpose", "2"});
    EXPECT_EQ(0, run.ExitCode) << run.Err;
    EXPECT_EQ("Őszi Zenekar\n\nElső\n\nHm\n\nősz van\n\nŐszi Zenekar\n\nMásodik\n\nD\n\nűr\n",
              PandocText(m_out / "műsor.rtf"));
}

TEST_F(SetExport, FailsClearlyAndWritesNothingWithoutASongToWrite) {
    WriteBytes(m_sets / "üres.txt", "\r\nNincs - ilyen\r\n");
    const std::vector<std::pair<std::string, std::string>> failures = {
        {m_sets / "üres.txt", "songbook: no song of the set list " + m_sets / "üres.txt" + " is in the library\n"},
        {m_sets / "nincs.txt", "songbook: " + m_sets / "nincs.txt" + ": File not found\n"},
        {m_sets.Path(), "songbook: " + m_sets.Path() + ": File access denied\n"},
    };
    for (const auto& [set, message] : failures) {
        const TRun run = Export({"--set", set, "-o", m_out / "x.rtf"});
        EXPECT_EQ(1, run.ExitCode) << set;
        EXPECT_EQ(message, run.Err);
    }
    for (const std::vector<std::string>& usage : std::vector<std::vector<std::string>>{
             {"--set", m_set},
             {"--set", m_set, "--artist", "Őszi Zenekar", "-o", m_out / "x.rtf"},
             {"--set", m_set, "--all", "-o", m_out.Path()},
             {"--set"},
         })
        EXPECT_EQ(2, Export(usage).ExitCode) << usage.size();
    EXPECT_EQ(2, Songbook({"transpose", "--set", m_set, "--song", "Őszi Zenekar - Első", "1"}).ExitCode);
    EXPECT_EQ(2, Songbook({"dump", "--set", m_set}).ExitCode);
    EXPECT_TRUE(std::filesystem::is_empty(m_out.Path()));
}

} // namespace
