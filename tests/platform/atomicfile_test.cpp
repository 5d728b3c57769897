#include "platform/atomicfile.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/tempdirectory.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::size_t FileCount(const TTempDirectory& folder) {
    const std::filesystem::directory_iterator entries(folder.Path());
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
}

TEST(AtomicFile, RefusesWhatCreatingTheFileWouldRefuse) {
    TTempDirectory folder;
    std::filesystem::create_directory(folder / "mappa");
    for (const auto& [path, reason] : {std::pair{folder / "mappa", "Is a directory"},
                                       std::pair{folder / "nincs/dal.rtf", "No such file or directory"}}) {
        TAtomicFile file(path);
        EXPECT_FALSE(file.Open()) << path;
        EXPECT_EQ(reason, file.FailureReason()) << path;
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder / "mappa"));
}

// A save over a device or a pipe must never put a regular file in its place.
TEST(AtomicFile, NeverReplacesWhatIsNotARegularFile) {
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
}

TEST(AtomicFile, KeepsPermissionsAndWritesThroughSymbolicLinks) {
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
}

TEST(AtomicFile, AReadOnlyFileIsNotReplaced) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write any file";
    TTempDirectory folder;
    const std::string path = folder / "dal.rtf";
    ASSERT_TRUE(Replace(path, "régi"));
    chmod(path.c_str(), 0444);
    EXPECT_FALSE(Replace(path, "új"));
    EXPECT_EQ("régi", ReadBytes(path));
}

} // namespace
