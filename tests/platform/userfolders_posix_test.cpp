#include "platform/executable.h"
#include "platform/userfolders.h"
#include "tests/support/tempdirectory.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

// The variables of the test's environment, put back as they were when it ends.
class TEnvironment {
public:
    TEnvironment(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            const char* value = std::getenv(name);
            m_saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
    }
    ~TEnvironment() {
        for (const auto& [name, value] : m_saved) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }
    TEnvironment(const TEnvironment&) = delete;
    TEnvironment& operator=(const TEnvironment&) = delete;

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

TEST(UserDataFolder, IsXdgDataHomeWhenAbsoluteElseTheHomesLocalShare) {
    const TEnvironment environment{"XDG_DATA_HOME", "HOME"};
    setenv("HOME", "/home/anna", 1);
    const std::pair<const char*, const char*> cases[] = {
        {"/x/data", "/x/data"}, {"relative", "/home/anna/.local/share"}, {"", "/home/anna/.local/share"}};
    for (const auto& [variable, expected] : cases) {
        setenv("XDG_DATA_HOME", variable, 1);
        EXPECT_EQ(expected, UserDataFolder()) << variable;
    }
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ("/home/anna/.local/share", UserDataFolder());
}

// Beside the executable first (a portable copy, the build tree), then the
// user's own, then the sample library installed with the program.
TEST(DataDirectory, PrefersTheFolderBesideThenTheUsersThenTheInstalledOne) {
    const TEnvironment environment{"XDG_DATA_HOME"};
    TTempDirectory root;
    const std::string bin = root / "usr/bin";
    std::filesystem::create_directories(bin);
    setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
    EXPECT_EQ(root / "usr/share/vivira/Data", DataDirectoryFor(bin));
    std::filesystem::create_directories(root / "data/Cantorix");
    WriteBytes(root / "data/Cantorix/Data", ""); // a file of that name is no library
    EXPECT_EQ(root / "usr/share/vivira/Data", DataDirectoryFor(bin));
    std::filesystem::remove(root / "data/Cantorix/Data");
    std::filesystem::create_directories(root / "data/Cantorix/Data");
    EXPECT_EQ(root / "data/Cantorix/Data", DataDirectoryFor(bin));
    std::filesystem::create_directories(root / "usr/bin/Data");
    EXPECT_EQ(root / "usr/bin/Data", DataDirectoryFor(bin));
}

} // namespace
