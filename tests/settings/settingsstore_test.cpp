#include "platform/filebytes.h"
#include "settings/settings.h"
#include "tests/settings/settingsfixture.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/songfixture.h"

#include <cstdlib>
#include <filesystem>

namespace {

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

TEST_F(SettingsTest, KeepsADamagedFileAsideAndStartsAfresh) {
    const std::string damaged = "Windows Registry Editor Version 5.00\r\n[" + CantorixKey + "]\r\n\"Size\"=\"7";
    WriteFile(damaged);
    const auto store = OpenStore();
    EXPECT_EQ(0, store->ReadIntValue("Fonts", "Size", 0));
    EXPECT_NE(std::string::npos, m_warnings.str().find("line 3: a string without its closing quote"))
        << m_warnings.str();
    std::vector<std::string> aside;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder / "Cantorix")) {
        if (entry.path().filename().string().starts_with("settings.reg.damaged-"))
            aside.push_back(entry.path().string());
    }
    ASSERT_EQ(1u, aside.size());
    EXPECT_NE(std::string::npos, m_warnings.str().find("kept as " + aside[0]));
    EXPECT_EQ(damaged, std::string(ReadFileBytes(aside[0]).View()));

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
        EXPECT_STREQ("Failed to create key Page", error.what());
    }
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
            EXPECT_STREQ("Failed to set data for 'Name'", error.what());
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
