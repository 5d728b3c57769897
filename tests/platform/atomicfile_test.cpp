#include "platform/atomicfile.h"
#include "platform/pathtext.h"
#include "tests/support/tempdirectory.h"

#include <filesystem>
#include <gtest/gtest.h>
#ifdef _WIN32
#include "platform/win32text.h"

#include <windows.h>
#else
#include "tests/support/filesizelimit.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

std::size_t FileCount(const TTempDirectory& folder) {
    const std::filesystem::directory_iterator entries(PathFromUtf8(folder.Path()));
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

bool Replace(const std::string& path, std::string_view bytes) {
    TAtomicFile file(path);
    return file.Open() && file.Write(bytes) && file.Commit();
}

TEST(AtomicFile, CreatesAndReplacesFilesLeavingNothingElseBehind) {
    TTempDirectory folder;
    const std::string path = folder / "dal.rtf";
    ASSERT_TRUE(Replace(path, "első"));
    ASSERT_TRUE(Replace(path, "második"));
    EXPECT_EQ("második", ReadBytes(path));
    EXPECT_EQ(1u, FileCount(folder));
}

TEST(AtomicFile, AFileNeverCommittedLeavesTheOldOneAndNoTemporary) {
    TTempDirectory folder;
    const std::string path = folder / "dal.rtf";
    ASSERT_TRUE(Replace(path, "régi"));
    {
        TAtomicFile file(path);
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Write("félig"));
    }
    EXPECT_EQ("régi", ReadBytes(path));
    EXPECT_EQ(1u, FileCount(folder));
}

// A full disk, as the file size limit makes it: the write fails, the old file stays whole.
TEST(AtomicFile, AWriteThatFailsLeavesTheOldFile) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no file size limit to stand in for a full disk";
#else
    TTempDirectory folder;
    const std::string path = folder / "dal.rtf";
    ASSERT_TRUE(Replace(path, "régi"));
    {
        const TFileSizeLimit diskFull(100);
        TAtomicFile file(path);
        EXPECT_TRUE(file.Open());
        EXPECT_FALSE(file.Write(std::string(1000, 'x')));
    }
    EXPECT_EQ("régi", ReadBytes(path));
#endif
}

TEST(AtomicFile, RefusesWhatCreatingTheFileWouldRefuse) {
    TTempDirectory folder;
    std::filesystem::create_directory(folder / "mappa");
#ifdef _WIN32
    const std::string noFolder = Win32Reason(ERROR_PATH_NOT_FOUND);
#else
    const std::string noFolder = "No such file or directory";
#endif
    for (const auto& [path, reason] :
         {std::pair{folder / "mappa", std::string("Is a directory")}, std::pair{folder / "nincs/dal.rtf", noFolder}}) {
        TAtomicFile file(path);
        EXPECT_FALSE(file.Open()) << path;
        EXPECT_EQ(reason, file.FailureReason()) << path;
    }
    EXPECT_TRUE(std::filesystem::is_directory(PathFromUtf8(folder / "mappa")));
}

// A save over a device or a pipe must never put a regular file in its place.
TEST(AtomicFile, NeverReplacesWhatIsNotARegularFile) {
#ifdef _WIN32
    // NUL is a device in every folder.
    TTempDirectory folder;
    for (const std::string& path : {std::string("NUL"), folder / "NUL", std::string("\\\\.\\NUL")}) {
        TAtomicFile file(path);
        EXPECT_FALSE(file.Open()) << path;
        EXPECT_EQ("Not a regular file", file.FailureReason()) << path;
    }
    EXPECT_EQ(0u, FileCount(folder));
#else
    TTempDirectory folder;
    ASSERT_EQ(0, mkfifo((folder / "cső.rtf").c_str(), 0600));
    std::filesystem::create_symlink("/dev/null", folder / "semmi.rtf");
    for (const std::string& path : {folder / "cső.rtf", folder / "semmi.rtf", std::string("/dev/null")}) {
        TAtomicFile file(path);
        EXPECT_FALSE(file.Open()) << path;
        EXPECT_EQ("Not a regular file", file.FailureReason()) << path;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(folder / "cső.rtf"));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
    EXPECT_EQ(2u, FileCount(folder));
#endif
}

// The temporary file's name must fit wherever the target's does.
TEST(AtomicFile, SavesUnderTheLongestNameTheFolderTakes) {
    TTempDirectory folder;
    const std::string path = folder / (std::string(250, 'a') + ".rtf");
    ASSERT_TRUE(Replace(path, "hosszú"));
    EXPECT_EQ("hosszú", ReadBytes(path));
}

// What a killed save left is cleared by the next save into that folder;
// what a running one is writing stays.
TEST(AtomicFile, ClearsWhatDeadWritersLeftBehind) {
#ifdef _WIN32
    GTEST_SKIP() << "on Windows in the Windows file tests, with processes of their own";
#else
    TTempDirectory folder;
    const pid_t dead = fork();
    if (dead == 0)
        _exit(0);
    waitpid(dead, nullptr, 0);
    const std::string deadLeftover = folder / (".vivira-" + std::to_string(dead) + "-0");
    const std::string living = folder / (".vivira-" + std::to_string(getppid()) + "-3");
    const std::string notOurs = folder / ".vivira-notes";
    for (const std::string& path : {deadLeftover, living, notOurs})
        WriteBytes(path, "félig");
    ASSERT_TRUE(Replace(folder / "dal.rtf", "egész"));
    EXPECT_FALSE(std::filesystem::exists(deadLeftover));
    EXPECT_TRUE(std::filesystem::exists(living));
    EXPECT_TRUE(std::filesystem::exists(notOurs));
#endif
}

TEST(AtomicFile, KeepsPermissionsAndWritesThroughSymbolicLinks) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX permissions and links; the Windows file tests check the attributes";
#else
    TTempDirectory folder;
    const std::string target = folder / "valódi.rtf";
    const std::string link = folder / "link.rtf";
    ASSERT_TRUE(Replace(target, "régi"));
    chmod(target.c_str(), 0640);
    std::filesystem::create_symlink(target, link);
    ASSERT_TRUE(Replace(link, "új"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ("új", ReadBytes(target));
    struct stat status {};
    stat(target.c_str(), &status);
    EXPECT_EQ(0640u, status.st_mode & 07777);
#endif
}

TEST(AtomicFile, AReadOnlyFileIsNotReplaced) {
#ifndef _WIN32
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write any file";
#endif
    TTempDirectory folder;
    const std::string path = folder / "dal.rtf";
    ASSERT_TRUE(Replace(path, "régi"));
    // On Windows this sets the read-only attribute, which binds every user.
    std::filesystem::permissions(PathFromUtf8(path), std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::group_read |
                                                         std::filesystem::perms::others_read);
    EXPECT_FALSE(Replace(path, "új"));
    EXPECT_EQ("régi", ReadBytes(path));
}

} // namespace
