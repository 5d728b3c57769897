#include "library/loader.h"
#include "platform/inouterror.h"
#include "platform/pathtext.h"
#include "tests/support/artistdescription.h"
#include "tests/support/songfixture.h"
#include "tests/support/tempdirectory.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>
#ifdef _WIN32
#include "platform/win32text.h"
#include "tests/support/win32files.h"

#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

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
    std::filesystem::create_directory(PathFromUtf8(folder / "b.txt"));
    WriteArtistFile(folder / "c.txt", "Második");
#ifdef _WIN32
    WriteArtistFile(folder / "d.txt", "Írás közben"); // another program writes it
    const THeldOpen writer(folder / "d.txt");
    const std::string unreadable = "I/O error 32";
#else
    std::filesystem::create_symlink(folder / "gone", folder / "d.txt");
    const std::string unreadable = "File not found";
#endif
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
    EXPECT_EQ(unreadable, failures[1].Message);
    EXPECT_EQ("fail " + folder / "b.txt", progress.Events[2]);
    EXPECT_EQ("fail " + folder / "d.txt", progress.Events[5]);
}

// Special files and a file too big to hold each fail alone, at once, with
// their reason; nothing waits on a pipe or reads a device without end.
TEST(Loader, SpecialAndHugeFilesFailAloneAndTheRestLoads) {
#ifdef _WIN32
    GTEST_SKIP() << "pipes and devices have no entries in a Windows folder; the file tests read devices";
#else
    TTempDirectory folder;
    WriteArtistFile(folder / "a.txt", "Első");
    ASSERT_EQ(0, ::mkfifo((folder / "b.txt").c_str(), 0600));
    std::filesystem::create_symlink("/dev/zero", folder / "c.txt");
    WriteBytes(folder / "d.txt", "");
    std::filesystem::resize_file(folder / "d.txt", std::uintmax_t{100} << 30); // sparse
    WriteArtistFile(folder / "e.txt", "Utolsó");
    std::unique_ptr<TArtist> artists;

    const auto failures = LoadSongLibrary(folder.Path(), artists, nullptr);

    EXPECT_EQ((std::vector<std::string>{"Első", "Utolsó"}), ArtistNames(artists.get()));
    ASSERT_EQ(3u, failures.size());
    EXPECT_EQ("Not a regular file", failures[0].Message);
    EXPECT_EQ("Not a regular file", failures[1].Message);
    EXPECT_EQ(folder / "d.txt", failures[2].Path);
    EXPECT_EQ("File too large (more than 1024 MB)", failures[2].Message);
#endif
}

// An empty library must mean an empty folder, not one that cannot be read.
TEST(Loader, AFolderThatCannotBeListedIsAnError) {
    TTempDirectory folder;
    WriteBytes(folder / "file", "not a folder");
    std::unique_ptr<TArtist> artists;
    try {
        LoadSongLibrary(folder / "file", artists, nullptr);
        ADD_FAILURE() << "listed a file";
    } catch (const TInOutError& error) {
#ifdef _WIN32
        EXPECT_EQ("Cannot read the folder " + folder / "file" + ": " + Win32Reason(ERROR_DIRECTORY), error.what());
#else
        EXPECT_EQ("Cannot read the folder " + folder / "file" + ": Not a directory", error.what());
#endif
    }
#ifndef _WIN32
    if (::geteuid() != 0) { // root lists any folder
        std::filesystem::create_directory(folder / "closed");
        ::chmod((folder / "closed").c_str(), 0);
        EXPECT_THROW(LoadSongLibrary(folder / "closed", artists, nullptr), TInOutError);
    }
#endif
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

// A library of many files of every shape, with folders named like song
// files among them, so that threads finish out of order.
void WriteMixedLibrary(const TTempDirectory& folder) {
    for (int file = 0; file < 240; ++file) {
        const std::string name = folder / ("f" + std::to_string(1000 + file) + ".txt");
        if (file % 37 == 5) {
            std::filesystem::create_directory(PathFromUtf8(name));
            continue;
        }
        std::vector<std::string> lines = {"fejléc " + std::to_string(file), ".pagetitle Oldal " + std::to_string(file),
                                          ".artist Előadó " + std::to_string(file % 17)};
        for (int song = 0; song < (file * 7) % 23; ++song) {
            lines.insert(lines.end(), {".title Dal " + std::to_string(song), ".authors Szerző", ".verse", "Árvíztűrő",
                                       "tükörfúrógép", ".chords", "Am G", song % 3 ? ".new" : ".titel elírás"});
        }
        WriteBytes(name, SongFileBytes(lines) + (file % 11 == 0 ? std::string(1, '\x1A') + "utána" : ""));
    }
}

struct TLoadedLibrary {
    std::string Model;
    std::vector<std::string> Failures;
    std::vector<std::string> Events;
};

TLoadedLibrary LoadAndDescribe(const std::string& folder, std::size_t threads) {
    std::unique_ptr<TArtist> artists;
    TRecordingProgress progress;
    TLoadedLibrary loaded;
    for (const TLoadFailure& failure : LoadSongLibrary(folder, artists, &progress, threads))
        loaded.Failures.push_back(failure.Path + ": " + failure.Message);
    for (const TArtist* artist = artists.get(); artist; artist = artist->Next.get())
        loaded.Model += artist->FileName + "\n" + DescribeArtist(*artist);
    loaded.Events = std::move(progress.Events);
    return loaded;
}

// Loading on several threads must give what loading file by file gives: the
// same artists in the same order, the same failures, the same progress calls.
TEST(Loader, EveryNumberOfThreadsLoadsWhatOneThreadLoads) {
    TTempDirectory folder;
    WriteMixedLibrary(folder);
    const TLoadedLibrary alone = LoadAndDescribe(folder.Path(), 1);
    ASSERT_EQ(7u, alone.Failures.size());
    ASSERT_EQ(240u + 7u, alone.Events.size());
    for (const std::size_t threads : {2u, 3u, 8u, 300u}) {
        const TLoadedLibrary together = LoadAndDescribe(folder.Path(), threads);
        EXPECT_EQ(alone.Model, together.Model) << threads << " threads";
        EXPECT_EQ(alone.Failures, together.Failures) << threads << " threads";
        EXPECT_EQ(alone.Events, together.Events) << threads << " threads";
    }
}

// Progress is told on the calling thread only: the viewer repaints from it.
class TThreadCheckingProgress : public TLoadProgress {
public:
    void FileStarted(const std::string&) override { Elsewhere += std::this_thread::get_id() != Caller; }
    void FileFailed(const TLoadFailure&) override { Elsewhere += std::this_thread::get_id() != Caller; }
    const std::thread::id Caller = std::this_thread::get_id();
    int Elsewhere = 0;
};

// Whatever the progress throws stops the load there and reaches the caller,
// with the workers stopped and what was loaded before kept.
class TStoppingProgress : public TRecordingProgress {
public:
    void FileStarted(const std::string& path) override {
        if (Events.size() == 100)
            throw std::runtime_error("stopped");
        TRecordingProgress::FileStarted(path);
    }
};

TEST(Loader, ProgressIsToldOnTheCallingThreadAndMayStopTheLoad) {
    TTempDirectory folder;
    WriteMixedLibrary(folder);
    TThreadCheckingProgress checking;
    std::unique_ptr<TArtist> artists;
    LoadSongLibrary(folder.Path(), artists, &checking, 4);
    EXPECT_EQ(0, checking.Elsewhere);

    TStoppingProgress stopping;
    std::unique_ptr<TArtist> partial;
    EXPECT_THROW(LoadSongLibrary(folder.Path(), partial, &stopping, 4), std::runtime_error);
    const auto started = std::count_if(stopping.Events.begin(), stopping.Events.end(),
                                       [](const std::string& event) { return event.starts_with("start "); });
    EXPECT_EQ(started - (100 - started), static_cast<long>(ArtistNames(partial.get()).size()));
}

} // namespace
