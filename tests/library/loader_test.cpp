#include "library/loader.h"
#include "tests/support/songfixture.h"
#include "tests/support/tempdirectory.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

class TRecordingProgress : public TLoadProgress {
public:
    void FileStarted(const std::string& path) override { Events.push_back("start " + path); }
    void FileFailed(const TLoadFailure& failure) override { Events.push_back("fail " + failure.Path); }
    std::vector<std::string> Events;
};

std::vector<std::string> ArtistNames(const TArtist* artist) {
    std::vector<std::string> names;
    for (; artist; artist = artist->Next.get())
        names.push_back(Utf8FromAnsi(artist->ArtistName));
    return names;
}

void WriteArtistFile(const std::string& path, const std::string& utf8Name) {
    WriteBytes(path, SongFileBytes({".artist " + utf8Name, ".title Dal", ".verse", "sor"}));
}

TEST(Loader, LoadsEverySongFileInNameOrder) {
    TTempDirectory folder;
    WriteArtistFile(folder / "c.txt", "Csárdás");
    WriteArtistFile(folder / "A.TXT", "Ági");
    WriteArtistFile(folder / ".rejtett.txt", "Rejtett");
    WriteArtistFile(folder / "jegyzet.md", "Nem dal");
    WriteBytes(folder / "ures.txt", "");
    std::unique_ptr<TArtist> artists;
    TRecordingProgress progress;

    const auto failures = LoadSongLibrary(folder.Path(), artists, &progress);

    EXPECT_TRUE(failures.empty());
    const std::vector<std::string> expected = {"Rejtett", "Ági", "Csárdás", ""};
    EXPECT_EQ(expected, ArtistNames(artists.get()));
    const std::vector<std::string> events = {"start " + folder / ".rejtett.txt", "start " + folder / "A.TXT",
                                             "start " + folder / "c.txt", "start " + folder / "ures.txt"};
    EXPECT_EQ(events, progress.Events);
}

TEST(Loader, AnEmptyOrMissingFolderLoadsNothingAndReportsNothing) {
    TTempDirectory folder;
    for (const std::string& directory : {folder.Path(), folder / "missing"}) {
        std::unique_ptr<TArtist> artists;
        TRecordingProgress progress;
        EXPECT_TRUE(LoadSongLibrary(directory, artists, &progress).empty());
        EXPECT_EQ(nullptr, artists);
        EXPECT_TRUE(progress.Events.empty());
    }
}

// A folder named like a song file and an unreadable file sit between readable
// ones: both are reported, and every readable file still loads.
TEST(Loader, SkipsFilesThatCannotBeReadAndLoadsTheRest) {
    TTempDirectory folder;
    WriteArtistFile(folder / "a.txt", "Első");
    std::filesystem::create_directory(folder / "b.txt");
    WriteArtistFile(folder / "c.txt", "Második");
    std::filesystem::create_symlink(folder / "gone", folder / "d.txt");
    WriteArtistFile(folder / "e.txt", "Harmadik");
    std::unique_ptr<TArtist> artists;
    TRecordingProgress progress;

    const auto failures = LoadSongLibrary(folder.Path(), artists, &progress);

    const std::vector<std::string> expected = {"Első", "Második", "Harmadik"};
    EXPECT_EQ(expected, ArtistNames(artists.get()));
    ASSERT_EQ(2u, failures.size());
    EXPECT_EQ(folder / "b.txt", failures[0].Path);
    EXPECT_EQ("File access denied", failures[0].Message);
    EXPECT_EQ(folder / "d.txt", failures[1].Path);
    EXPECT_EQ("File not found", failures[1].Message);
    EXPECT_EQ("fail " + folder / "b.txt", progress.Events[2]);
    EXPECT_EQ("fail " + folder / "d.txt", progress.Events[5]);
}

TEST(Loader, AppendsAfterArtistsAlreadyLoaded) {
    TTempDirectory first;
    TTempDirectory second;
    WriteArtistFile(first / "a.txt", "A");
    WriteArtistFile(second / "b.txt", "B");
    std::unique_ptr<TArtist> artists;
    LoadSongLibrary(first.Path(), artists, nullptr);
    LoadSongLibrary(second.Path(), artists, nullptr);
    const std::vector<std::string> expected = {"A", "B"};
    EXPECT_EQ(expected, ArtistNames(artists.get()));
}

} // namespace
