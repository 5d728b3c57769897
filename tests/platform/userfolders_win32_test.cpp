// Where Windows keeps a user's files: the profile and the roaming AppData
// folder, whatever letters their names hold.
#include "platform/directorysearch.h"
#include "platform/executable.h"
#include "platform/pathtext.h"
#include "platform/userfolders.h"
#include "platform/win32text.h"
#include "tests/support/tempdirectory.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

// The variable as it was when the test began, put back when it ends.
class TSavedVariable {
public:
    explicit TSavedVariable(const wchar_t* name) : m_name(name) {
        if (const wchar_t* value = _wgetenv(name))
            m_value = value;
    }
    ~TSavedVariable() { _wputenv_s(m_name, m_value ? m_value->c_str() : L""); }
    TSavedVariable(const TSavedVariable&) = delete;
    TSavedVariable& operator=(const TSavedVariable&) = delete;

private:
    const wchar_t* m_name;
    std::optional<std::wstring> m_value;
};

TEST(UserFolders, HomeIsTheProfileInUtf8) {
    const TSavedVariable profile(L"USERPROFILE");
    _wputenv_s(L"USERPROFILE", L"C:\\Users\\\u00c1nna \u0151\u03a9");
    EXPECT_EQ("C:\\Users\\Ánna őΩ", HomeFolder());
    _wputenv_s(L"USERPROFILE", L"");
    EXPECT_EQ("", HomeFolder());
}

// The folder is the system's, not a variable's: neither XDG_DATA_HOME nor
// a changed APPDATA moves it.
TEST(UserFolders, UserDataIsTheRoamingAppDataFolder) {
    const TSavedVariable appData(L"APPDATA");
    const TSavedVariable xdg(L"XDG_DATA_HOME");
    const std::string roaming = UserDataFolder();
    ASSERT_FALSE(roaming.empty());
    EXPECT_TRUE(std::filesystem::is_directory(PathFromUtf8(roaming))) << roaming;
    ASSERT_NE(nullptr, _wgetenv(L"APPDATA"));
    EXPECT_EQ(Utf8FromWide(_wgetenv(L"APPDATA")), roaming);
    _wputenv_s(L"APPDATA", L"C:\\elsewhere");
    _wputenv_s(L"XDG_DATA_HOME", L"/x/data");
    EXPECT_EQ(roaming, UserDataFolder());
}

// A program in a folder whose name no ANSI code page holds whole finds the
// library beside it, and without one names the installed samples.
TEST(UserFolders, DataDirectoryForAnAccentedProgramFolder) {
    TTempDirectory root;
    const std::string bin = root / "Őszi ű/bin";
    std::filesystem::create_directories(PathFromUtf8(bin));
    EXPECT_EQ(PathFromUtf8(root / "Őszi ű/share/vivira/Data"), PathFromUtf8(DataDirectoryFor(bin)));
    std::filesystem::create_directories(PathFromUtf8(JoinPath(bin, "Data")));
    EXPECT_EQ(JoinPath(bin, "Data"), DataDirectoryFor(bin));
}

} // namespace
