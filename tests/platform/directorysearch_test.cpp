#include "platform/directorysearch.h"
#include "platform/executable.h"
#include "platform/filename.h"
#include "tests/support/tempdirectory.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

TEST(DirectorySearch, MatchesTheTxtExtensionInAnyCase) {
    for (const char* name : {"a.txt", "B.TXT", "c.Txt", ".txt", ".hidden.txt", "x.tar.txt"})
        EXPECT_TRUE(IsSongFileName(name)) << name;
    for (const char* name : {"a.txt~", "a.text", "txt", "a_txt", "a.txt.bak", ""})
        EXPECT_FALSE(IsSongFileName(name)) << name;
}

TEST(DirectorySearch, FindsSongFilesAndFoldersInNameOrder) {
    TTempDirectory folder;
    for (const char* name : {"b.txt", "A.TXT", ".hidden.txt", "notes.md", "c.txt.bak"})
        WriteBytes(folder / name, "");
    std::filesystem::create_directory(folder / "sub.txt");
    const std::vector<std::string> expected = {".hidden.txt", "A.TXT", "b.txt", "sub.txt"};
    EXPECT_EQ(expected, FindSongFiles(folder.Path()));
}

TEST(DirectorySearch, AMissingFolderHasNoEntries) {
    TTempDirectory folder;
    EXPECT_TRUE(FindSongFiles(folder / "missing").empty());
}

TEST(DataDirectory, IsTheDataFolderBesideTheExecutable) {
    EXPECT_EQ("/opt/vivira/Data", DataDirectoryBeside("/opt/vivira"));
    EXPECT_EQ("/Data", DataDirectoryBeside("/"));
    EXPECT_EQ(std::filesystem::path(ExecutableDirectory()) / "Data", DataDirectory());
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(ExecutableDirectory()) / "platform_tests"));
}

TEST(SafeFileName, ReplacesWhatWouldLeaveTheFolder) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Őszi dal", "Őszi dal"},
        {"AC/DC", "AC_DC"},
        {"../../etc/passwd", ".._.._etc_passwd"},
        {std::string("a\0b", 3), "a_b"},
        {"", "_"},
        {".", "_"},
        {"..", "_"},
        {"...", "..."},
        {"Mi? Hol: \"itt\"", "Mi? Hol: \"itt\""},
    };
    for (const auto& [title, name] : cases)
        EXPECT_EQ(name, SafeFileName(title)) << title;
}

} // namespace
