#include "platform/directorysearch.h"
#include "platform/executable.h"
#include "platform/filename.h"
#include "platform/pathtext.h"
#include "tests/support/tempdirectory.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

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
    std::filesystem::create_directory(PathFromUtf8(folder / "sub.txt"));
    const std::vector<std::string> expected = {".hidden.txt", "A.TXT", "b.txt", "sub.txt"};
    EXPECT_EQ(expected, FindSongFiles(folder.Path()));
}

TEST(DirectorySearch, AMissingFolderHasNoEntries) {
    TTempDirectory folder;
    EXPECT_TRUE(FindSongFiles(folder / "missing").empty());
}

TEST(DataDirectory, IsTheDataFolderBesideTheExecutable) {
#ifdef _WIN32
    EXPECT_EQ("C:\\Vivira\\Data", DataDirectoryBeside("C:\\Vivira"));
    EXPECT_EQ("C:\\Data", DataDirectoryBeside("C:\\"));
    const std::string program = "platform_tests.exe";
#else
    EXPECT_EQ("/opt/vivira/Data", DataDirectoryBeside("/opt/vivira"));
    EXPECT_EQ("/Data", DataDirectoryBeside("/"));
    const std::string program = "platform_tests";
#endif
    EXPECT_EQ(PathFromUtf8(ExecutableDirectory()) / "Data", PathFromUtf8(DataDirectory()));
    EXPECT_TRUE(std::filesystem::exists(PathFromUtf8(ExecutableDirectory()) / program));
}

// The build tree's programs read the repository's songs as they are, with
// no copy that a rebuild would have to bring up to date.
TEST(DataDirectory, OfTheBuildTreeIsTheRepositorysDataFolder) {
    std::error_code error;
    EXPECT_TRUE(std::filesystem::equivalent(PathFromUtf8(DataDirectory()), VIVIRA_SAMPLE_DATA, error))
        << error.message();
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
#ifdef _WIN32
        {"Mi? Hol: \"itt\" <*|\\>", "Mi_ Hol_ _itt_ _____"},
        {"sor\tvég\x1f", "sor_vég_"},
        {"Con", "Con_"},
        {"nul.dal", "nul_.dal"},
        {"LPT1", "LPT1_"},
        {"Console", "Console"},
#else
        {"Mi? Hol: \"itt\"", "Mi? Hol: \"itt\""},
        {"Con", "Con"},
#endif
    };
    for (const auto& [title, name] : cases)
        EXPECT_EQ(name, SafeFileName(title)) << title;
}

} // namespace
