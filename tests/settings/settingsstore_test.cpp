#include "platform/filelock.h"
#include "settings/filebackend.h"
#include "settings/settings.h"
#include "tests/settings/settingsfixture.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/songfixture.h"

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <pwd.h>
#include <unistd.h>

namespace {

using namespace std::string_literals;

const std::string Header = "Windows Registry Editor Version 5.00\r\n";

TEST_F(SettingsTest, AFirstRunCreatesTheEmptyRootKeyOnly) {
    const auto store = OpenStore();
    EXPECT_EQ(Header + "\r\n[" + CantorixKey + "]\r\n", FileText());
    EXPECT_EQ(15, store->ReadIntValue("Page", "MarginTop", 15));
    EXPECT_EQ("Courier New", store->ReadTextValue("Fonts\\Normal", "Name", "Courier New"));
    EXPECT_EQ("", m_warnings.str());
}

TEST_F(SettingsTest, WritesEveryValueAsTextThatAPersonCanReadAndWindowsCanImport) {
    const auto store = OpenStore();
    store->WriteIntValue("Fonts\\Title", "Color", static_cast<std::int32_t>(0x80000008));
    store->WriteTextValue("Fonts\\Title", "Name", AnsiFromUtf8("Őrült \"Ű\" C:\\betű"));
    store->WriteIntValue("", "Background", 255);
    store->WriteIntValue("Fonts", "Size", -2);
    EXPECT_EQ(Header + "\r\n[" + CantorixKey + "]\r\n\"Background\"=\"255\"\r\n" + //
                  "\r\n[" + CantorixKey + "\\Fonts]\r\n\"Size\"=\"-2\"\r\n" +      //
                  "\r\n[" + CantorixKey + "\\Fonts\\Title]\r\n\"Color\"=\"-2147483640\"\r\n" +
                  "\"Name\"=\"Őrült \\\"Ű\\\" C:\\\\betű\"\r\n",
              FileText());
    const auto reopened = OpenStore();
    EXPECT_EQ(static_cast<std::int32_t>(0x80000008), reopened->ReadIntValue("Fonts\\Title", "Color", 0));
    EXPECT_EQ(AnsiFromUtf8("Őrült \"Ű\" C:\\betű"), reopened->ReadTextValue("Fonts\\Title", "Name", ""));
    EXPECT_EQ(-2, reopened->ReadIntValue("fonts", "size", 0)); // letter case does not matter
}

TEST_F(SettingsTest, ReadsWhatAHandEditedFileHoldsAndRefusesOtherTypes) {
    WriteFile(Header + "\r\n[" + CantorixKey + "\\Page]\r\n\"MarginTop\"=dword:00000014\r\n" +
              "\"MarginLeft\"=hex(2):33,00,00,00\r\n\"MarginRight\"=hex(1):\r\n\"MarginBottom\"=\" 12\"\r\n" +
              "\"Note\"=\"中文\"\r\n");
    const auto store = OpenStore();
    EXPECT_EQ(3, store->ReadIntValue("Page", "MarginLeft", 15));     // an expandable string is a string
    EXPECT_EQ("", store->ReadTextValue("Page", "MarginRight", "x")); // no data reads as empty text
    EXPECT_EQ(15, store->ReadIntValue("Page", "MarginRight", 15));
    EXPECT_EQ(12, store->ReadIntValue("Page", "MarginBottom", 15));
    EXPECT_EQ("x", store->ReadTextValue("Page", "Note", "x")); // nothing the model's code page can hold
    EXPECT_EQ(15, store->ReadIntValue("Nincs", "MarginTop", 15));
    try {
        store->ReadIntValue("Page", "MarginTop", 15);
        ADD_FAILURE() << "read a dword as text";
    } catch (const TSettingsError& error) {
        EXPECT_STREQ("Invalid data type for 'MarginTop'", error.what());
    }
}

TEST_F(SettingsTest, SeesAndKeepsWhatAnotherRunningCopyWrote) {
    const auto first = OpenStore();
    const auto second = OpenStore();
    first->WriteIntValue("Page", "MarginTop", 1);
    second->WriteIntValue("Page", "MarginLeft", 2);
    EXPECT_EQ(2, first->ReadIntValue("Page", "MarginLeft", 15));
    first->WriteIntValue("Page", "MarginTop", 3);
    const auto third = OpenStore();
    EXPECT_EQ(3, third->ReadIntValue("Page", "MarginTop", 15));
    EXPECT_EQ(2, third->ReadIntValue("Page", "MarginLeft", 15));
}

std::vector<std::string> KeptAside(const TTempDirectory& folder) {
    std::vector<std::string> aside;
    for (const auto& entry : std::filesystem::directory_iterator(folder / "Cantorix")) {
        if (entry.path().filename().string().starts_with("settings.reg.damaged-"))
            aside.push_back(entry.path().string());
    }
    return aside;
}

TEST_F(SettingsTest, KeepsAFileThatIsNoExportAsideAndStartsAfresh) {
    const std::string damaged = "Windows Registry Editor Version 5.00\r\n[" + CantorixKey + "]\r\n\0\0\x01\xFF"s;
    WriteFile(damaged);
    const auto store = OpenStore();
    EXPECT_EQ(0, store->ReadIntValue("Fonts", "Size", 0));
    const std::vector<std::string> aside = KeptAside(m_folder);
    ASSERT_EQ(1u, aside.size());
    EXPECT_EQ(damaged, ReadBytes(aside[0]));
    EXPECT_NE(std::string::npos, store->OpenProblem().find(m_file + " is damaged")) << store->OpenProblem();
    EXPECT_NE(std::string::npos, store->OpenProblem().find("kept as " + aside[0])) << store->OpenProblem();
    EXPECT_NE(std::string::npos, m_warnings.str().find(store->OpenProblem()));

    store->WriteIntValue("Fonts", "Size", 1);
    EXPECT_EQ(Header + "\r\n[" + CantorixKey + "]\r\n\r\n[" + CantorixKey + "\\Fonts]\r\n\"Size\"=\"1\"\r\n",
              FileText());
}

TEST_F(SettingsTest, AFolderThatCannotBeCreatedGivesDefaultsAndFailsWrites) {
    WriteBytes(m_folder / "Cantorix", "egy fájl, nem mappa");
    const auto store = OpenStore();
    EXPECT_EQ(15, store->ReadIntValue("Page", "MarginTop", 15));
    try {
        store->WriteIntValue("Page", "MarginTop", 1);
        ADD_FAILURE() << "wrote into a file";
    } catch (const TSettingsError& error) {
        EXPECT_EQ("Failed to create key Page: " + m_file + ": Not a directory", error.what());
    }
}

// A bad line costs that line alone, and stays in the file for the user.
TEST_F(SettingsTest, ALineThatCannotBeReadIsNoDamage) {
    WriteFile(Header + "\r\n[" + CantorixKey + "\\Page]\r\n\"MarginTop\"=\"7\" \r\n\"MarginLeft\"=\"9\"\r\n");
    const auto store = OpenStore();
    EXPECT_EQ(15, store->ReadIntValue("Page", "MarginTop", 15));
    EXPECT_EQ(9, store->ReadIntValue("Page", "MarginLeft", 15));
    EXPECT_TRUE(KeptAside(m_folder).empty());
    EXPECT_EQ("", store->OpenProblem());
    EXPECT_NE(std::string::npos, m_warnings.str().find(m_file + ":4: text after a string value")) << m_warnings.str();
    store->WriteIntValue("Page", "MarginTop", 8);
    EXPECT_NE(std::string::npos, FileText().find(";\"MarginTop\"=\"7\" \r\n"));
    EXPECT_EQ(8, OpenStore()->ReadIntValue("Page", "MarginTop", 15));
}

// A file that is there but cannot be read is never written over: the user
// hears of it at start, and every change fails saying why.
TEST_F(SettingsTest, AFileThatCannotBeReadIsNeverOverwritten) {
    const std::vector<std::pair<std::string, std::function<void()>>> cases = {
        {"Is a directory", [this] { std::filesystem::create_directories(m_file); }},
        {"File too large (more than 16 MB)",
         [this] {
             WriteFile(Header);
             std::filesystem::resize_file(m_file, std::uintmax_t{17} << 20);
         }},
    };
    for (const auto& [reason, make] : cases) {
        std::filesystem::remove_all(m_folder / "Cantorix");
        make();
        const auto before = std::filesystem::last_write_time(m_file);
        const auto store = OpenStore();
        EXPECT_EQ(15, store->ReadIntValue("Page", "MarginTop", 15)) << reason;
        EXPECT_NE(std::string::npos, store->OpenProblem().find(m_file + " cannot be read (" + reason + ")"))
            << store->OpenProblem();
        for (int attempt = 0; attempt < 2; ++attempt) {
            try {
                store->WriteIntValue("Page", "MarginTop", 1);
                ADD_FAILURE() << "wrote over " << reason;
            } catch (const TSettingsError& error) {
                EXPECT_EQ("Failed to create key Page: " + m_file + ": " + reason, error.what());
            }
        }
        EXPECT_EQ(before, std::filesystem::last_write_time(m_file)) << reason;
        EXPECT_TRUE(KeptAside(m_folder).empty()) << reason;
    }
}

// Tools that only show or use the settings leave every file as it was.
TEST_F(SettingsTest, AStoreOpenedForReadingNeverWrites) {
    const auto readOnly = [this] {
        return std::make_unique<TSettings>(std::make_unique<TRegistryFileBackend>(
            m_file, CantorixKey, m_warnings, TRegistryFileBackend::TAccess::ReadOnly, "vivira"));
    };
    EXPECT_EQ(15, readOnly()->ReadIntValue("Page", "MarginTop", 15));
    EXPECT_FALSE(std::filesystem::exists(m_folder / "Cantorix")); // not even the folder
    const std::string damaged = "nem registry\r\n";
    WriteFile(damaged);
    const auto store = readOnly();
    EXPECT_NE(std::string::npos, store->OpenProblem().find("left as it is")) << store->OpenProblem();
    EXPECT_THROW(store->WriteIntValue("Page", "MarginTop", 1), TSettingsError);
    EXPECT_EQ(damaged, FileText());
    EXPECT_TRUE(KeptAside(m_folder).empty());
    EXPECT_FALSE(std::filesystem::exists(m_folder / "Cantorix/.settings.reg.lock"));
}

// Another copy that holds the lock and hangs is waited for a while only.
TEST_F(SettingsTest, AStuckLockFailsTheWriteInsteadOfHanging) {
    const auto store = OpenStore();
    store->WriteIntValue("Page", "MarginTop", 1);
    const std::string before = FileText();
    const TFileLock stuck(m_folder / "Cantorix/.settings.reg.lock", std::chrono::milliseconds(0));
    ASSERT_TRUE(stuck.Acquired());
    auto patient = std::make_unique<TRegistryFileBackend>(m_file, CantorixKey, m_warnings,
                                                          TRegistryFileBackend::TAccess::ReadWrite, "vivira");
    patient->SetLockPatience(std::chrono::milliseconds(100));
    TSettings waiting(std::move(patient));
    try {
        waiting.WriteIntValue("Page", "MarginTop", 2);
        ADD_FAILURE() << "wrote without the lock";
    } catch (const TSettingsError& error) {
        EXPECT_EQ("Failed to create key Page: " + m_folder / "Cantorix/.settings.reg.lock" +
                      ": another running copy of the program keeps the settings locked",
                  error.what());
    }
    EXPECT_EQ(before, FileText());
    EXPECT_EQ(1, waiting.ReadIntValue("Page", "MarginTop", 15));
}

TEST_F(SettingsTest, AFullDiskFailsTheWriteAndKeepsEveryOtherValue) {
    const auto store = OpenStore();
    store->WriteIntValue("Page", "MarginTop", 1);
    const std::string before = FileText();
    {
        const TFileSizeLimit diskFull(before.size());
        try {
            store->WriteTextValue("Fonts\\Title", "Name", std::string(200, 'x'));
            ADD_FAILURE() << "wrote on a full disk";
        } catch (const TSettingsError& error) {
            EXPECT_EQ("Failed to set data for 'Name': " + m_file + ": File too large", error.what());
        }
    }
    EXPECT_EQ(before, FileText());
}

TEST(SettingsFilePath, FollowsTheEnvironment) {
    const auto keep = [](const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    const auto file = keep("VIVIRA_SETTINGS_FILE");
    const auto config = keep("XDG_CONFIG_HOME");
    const auto home = keep("HOME");
    unsetenv("VIVIRA_SETTINGS_FILE");
    setenv("XDG_CONFIG_HOME", "/x/conf", 1);
    EXPECT_EQ("/x/conf/Cantorix/settings.reg", SettingsFilePath("Software\\Cantorix"));
    setenv("XDG_CONFIG_HOME", "relative", 1); // only an absolute path counts
    setenv("HOME", "/home/anna", 1);
    EXPECT_EQ("/home/anna/.config/Cantorix/settings.reg", SettingsFilePath("Software\\Cantorix"));
    const passwd* user = getpwuid(getuid());
    const std::string fromDatabase = std::string(user->pw_dir) + "/.config/Cantorix/settings.reg";
    for (const char* noHome : {"", "/", "/.", "relative"}) { // never /.config: the user's home from the system
        setenv("HOME", noHome, 1);
        EXPECT_EQ(fromDatabase, SettingsFilePath("Software\\Cantorix")) << noHome;
    }
    unsetenv("HOME");
    EXPECT_EQ(fromDatabase, SettingsFilePath("Software\\Cantorix"));
    setenv("VIVIRA_SETTINGS_FILE", "/tmp/mine.reg", 1);
    EXPECT_EQ("/tmp/mine.reg", SettingsFilePath("Software\\Cantorix"));
    for (const auto& [name, value] :
         {std::pair{"VIVIRA_SETTINGS_FILE", file}, {"XDG_CONFIG_HOME", config}, {"HOME", home}}) {
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
}

} // namespace
