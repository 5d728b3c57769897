// What only Windows does to files: UTF-16 names, sharing, attributes, long
// paths, processes, locks between handles.
#include "platform/atomicfile.h"
#include "platform/directorysearch.h"
#include "platform/executable.h"
#include "platform/filebytes.h"
#include "platform/filelock.h"
#include "platform/inouterror.h"
#include "platform/pathtext.h"
#include "platform/win32text.h"
#include "tests/support/tempdirectory.h"
#include "tests/support/win32files.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <windows.h>

namespace {

bool Replace(const std::string& path, std::string_view bytes) {
    TAtomicFile file(path);
    return file.Open() && file.Write(bytes) && file.Commit();
}

DWORD AttributesOf(const std::string& path) {
    return GetFileAttributesW(Win32Path(path).c_str());
}

// Names that no single ANSI code page holds all of: the program must never
// pass through one.
TEST(Win32Files, AccentedFolderAndFileNamesWorkEverywhere) {
    TTempDirectory root;
    const std::string folder = root / "Őszi dalok ű";
    std::filesystem::create_directory(PathFromUtf8(folder));
    const std::string song = JoinPath(folder, "Bűvös ének ő.txt");
    WriteBytes(song, "dal");
    WriteBytes(JoinPath(folder, "Ωμέγα.txt"), "omega");
    EXPECT_EQ((std::vector<std::string>{"Bűvös ének ő.txt", "Ωμέγα.txt"}), FindSongFiles(folder));
    EXPECT_EQ("dal", ReadFileBytes(song, 100).View());
    ASSERT_TRUE(Replace(JoinPath(folder, "Kész ű.rtf"), "rtf"));
    EXPECT_EQ("rtf", ReadBytes(JoinPath(folder, "Kész ű.rtf")));
}

// Windows reports these codes itself; the messages are those of the song library.
TEST(Win32Files, ReadingReportsTheSystemsCodes) {
    TTempDirectory folder;
    WriteBytes(folder / "open.txt", "x");
    const THeldOpen writer(folder / "open.txt");
    std::filesystem::create_directory(PathFromUtf8(folder / "mappa.txt"));
    const struct {
        std::string Path;
        int Code;
        const char* Message;
    } cases[] = {
        {folder / "missing.txt", ERROR_FILE_NOT_FOUND, "File not found"},
        {folder / "nincs/a.txt", ERROR_PATH_NOT_FOUND, "Invalid filename"},
        {folder / "mappa.txt", ERROR_ACCESS_DENIED, "File access denied"},
        {folder / "open.txt", ERROR_SHARING_VIOLATION, "I/O error 32"},
    };
    for (const auto& c : cases) {
        try {
            ReadFileBytes(c.Path, 100);
            ADD_FAILURE() << "read " << c.Path;
        } catch (const TInOutError& error) {
            EXPECT_EQ(c.Code, error.ErrorCode()) << c.Path;
            EXPECT_STREQ(c.Message, error.what()) << c.Path;
            EXPECT_EQ(Win32Reason(static_cast<DWORD>(c.Code)), error.SystemReason()) << c.Path;
        }
    }
}

// The spec's edge: hidden and system files are songs like any other. The
// system also matches *.txt against short names, which must not count.
TEST(Win32Files, TheSearchFindsHiddenAndSystemFilesAndOnlyTxtNames) {
    TTempDirectory folder;
    for (const char* name : {"rejtett.txt", "rendszer.TXT", "hosszú név.txtx", "jegyzet.txt.bak", "a.text"})
        WriteBytes(folder / name, "");
    SetFileAttributesW(Win32Path(folder / "rejtett.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW(Win32Path(folder / "rendszer.TXT").c_str(), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ((std::vector<std::string>{"rejtett.txt", "rendszer.TXT"}), FindSongFiles(folder.Path()));
    EXPECT_TRUE(FindSongFiles(folder / "nincs").empty());
}

TEST(Win32Files, TheExecutablesFolderHasNoTrailingSeparator) {
    const std::string folder = ExecutableDirectory();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE('\\', folder.back());
    EXPECT_TRUE(std::filesystem::exists(PathFromUtf8(JoinPath(folder, "platform_tests.exe")))) << folder;
}

// A document open in another program (a word processor keeps it so) is not
// replaced, and nothing is left beside it.
TEST(Win32Files, ASaveOverAFileInUseFailsAndKeepsIt) {
    TTempDirectory folder;
    const std::string path = folder / "dal.rtf";
    ASSERT_TRUE(Replace(path, "régi"));
    {
        const THeldOpen editor(path);
        TAtomicFile file(path);
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Write("új"));
        EXPECT_FALSE(file.Commit());
        EXPECT_FALSE(file.FailureReason().empty());
    }
    EXPECT_EQ("régi", ReadBytes(path));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(PathFromUtf8(folder.Path())))
        names.push_back(Utf8FromPath(entry.path().filename()));
    EXPECT_EQ(std::vector<std::string>{"dal.rtf"}, names);
}

TEST(Win32Files, AReplacedFileKeepsItsAttributes) {
    TTempDirectory folder;
    const std::string path = folder / "dal.rtf";
    ASSERT_TRUE(Replace(path, "régi"));
    SetFileAttributesW(Win32Path(path).c_str(), FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(Replace(path, "új"));
    EXPECT_EQ("új", ReadBytes(path));
    EXPECT_TRUE(AttributesOf(path) & FILE_ATTRIBUTE_HIDDEN);
}

// Beyond MAX_PATH (260) the plain names fail; the program's do not.
TEST(Win32Files, PathsLongerThanMaxPathWork) {
    TTempDirectory root;
    std::string folder = root.Path();
    while (folder.size() < 300) {
        folder = JoinPath(folder, std::string(40, 'm') + "ű");
        ASSERT_TRUE(CreateDirectoryW(Win32Path(folder).c_str(), nullptr)) << Win32Reason(GetLastError());
    }
    const std::string song = JoinPath(folder, "dal.txt");
    ASSERT_TRUE(Replace(song, "hosszú"));
    EXPECT_EQ("hosszú", ReadFileBytes(song, 100).View());
    EXPECT_EQ(std::vector<std::string>{"dal.txt"}, FindSongFiles(folder));
}

TEST(Win32Files, ASaveClearsWhatDeadWritersLeftAndKeepsWhatLivingOnesWrite) {
    TTempDirectory folder;
    const TLivingProcess living;
    const std::string deadLeftover = folder / (".vivira-" + std::to_string(EndedProcessId()) + "-0");
    const std::string livingLeftover = folder / (".vivira-" + std::to_string(living.Id()) + "-3");
    for (const std::string& path : {deadLeftover, livingLeftover})
        WriteBytes(path, "félig");
    ASSERT_TRUE(Replace(folder / "dal.rtf", "egész"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, AttributesOf(deadLeftover));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, AttributesOf(livingLeftover));
}

// The lock belongs to a handle: a second one, in this process or another, waits.
TEST(Win32Files, ALockExcludesEveryOtherHolderUntilItGoes) {
    TTempDirectory folder;
    const std::filesystem::path lockFile = PathFromUtf8(folder / "zár ő.lock");
    {
        const TFileLock first(lockFile, std::chrono::milliseconds(0));
        ASSERT_TRUE(first.Acquired());
        const auto start = std::chrono::steady_clock::now();
        const TFileLock second(lockFile, std::chrono::milliseconds(100));
        EXPECT_FALSE(second.Acquired());
        EXPECT_EQ(static_cast<DWORD>(ERROR_LOCK_VIOLATION), GetLastError());
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
    }
    EXPECT_TRUE(TFileLock(lockFile, std::chrono::milliseconds(0)).Acquired());
}

} // namespace
