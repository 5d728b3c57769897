// The settings in the registry, read back by the system's own reg.exe. Each
// test has a key of its own below HKEY_CURRENT_USER\Software\Cantorix-tests.
#include "platform/win32text.h"
#include "settings/settings.h"
#include "settings/win32backend.h"
#include "tests/support/externaltool.h"
#include "tests/support/songfixture.h"
#include "tests/support/tempdirectory.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

namespace {

class RegistryTest : public testing::Test {
protected:
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, WideFromUtf8(m_root).c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Cantorix-tests"); // once no other test has a key there
    }

    std::unique_ptr<TSettings>
    OpenStore(TWin32RegistryBackend::TAccess access = TWin32RegistryBackend::TAccess::ReadWrite) {
        return std::make_unique<TSettings>(std::make_unique<TWin32RegistryBackend>(m_root, access));
    }

    // reg.exe's view of a value (or of a whole key with an empty name).
    std::string RegQuery(const std::string& section, const std::string& name) const {
        return RunTool("reg query \"" + Key(section) + "\"" + (name.empty() ? "" : " /v " + name));
    }

    void RegAdd(const std::string& section, const std::string& name, const std::string& type,
                const std::string& data) const {
        RunTool("reg add \"" + Key(section) + "\" /v " + name + " /t " + type + data + " /f");
    }

    std::string Key(const std::string& section) const {
        return "HKEY_CURRENT_USER\\" + m_root + (section.empty() ? "" : "\\" + section);
    }

    const std::string m_root = "Software\\Cantorix-tests\\" + std::to_string(GetCurrentProcessId()) + "-" +
                               testing::UnitTest::GetInstance()->current_test_info()->name();
};

std::pair<DWORD, DWORD> TypeAndSize(const std::string& key, const std::string& name) {
    DWORD type = 0;
    DWORD size = 0;
    RegGetValueW(HKEY_CURRENT_USER, WideFromUtf8(key).c_str(), WideFromUtf8(name).c_str(), RRF_RT_ANY, &type, nullptr,
                 &size);
    return {type, size};
}

TEST_F(RegistryTest, WritesEveryValueAsRegSzTextThatRegReadsBack) {
    const auto store = OpenStore();
    store->WriteIntValue("Fonts\\Title", "Color", static_cast<std::int32_t>(0x80000008));
    store->WriteIntValue("", "Background", 255);
    store->WriteIntValue("Fonts", "Size", -2);
    store->WriteIntValue("Page", "MarginTop", 0);
    const std::string name = "Őrült \"Ű\" C:\\betű";
    store->WriteTextValue("Fonts\\Title", "Name", AnsiFromUtf8(name));

    EXPECT_NE(std::string::npos, RegQuery("Fonts\\Title", "Color").find("Color    REG_SZ    -2147483640"));
    EXPECT_NE(std::string::npos, RegQuery("", "Background").find("Background    REG_SZ    255"));
    EXPECT_NE(std::string::npos, RegQuery("Fonts", "Size").find("Size    REG_SZ    -2"));
    EXPECT_NE(std::string::npos, RegQuery("Page", "MarginTop").find("MarginTop    REG_SZ    0"));
    // The terminating NUL is stored: (length + 1) UTF-16 units.
    EXPECT_EQ((std::pair<DWORD, DWORD>{REG_SZ, 12 * 2}), TypeAndSize(m_root + "\\Fonts\\Title", "Color"));
    EXPECT_EQ((std::pair<DWORD, DWORD>{REG_SZ, 2 * 2}), TypeAndSize(m_root + "\\Page", "MarginTop"));

    // reg.exe's export is UTF-16; its escaping is its own.
    TTempDirectory folder;
    RunTool("reg export \"" + Key("Fonts\\Title") + "\" \"" + folder / "title.reg" + "\" /y");
    const std::string exported = Iconv(ReadBytes(folder / "title.reg").substr(2), "UTF-16LE", "UTF-8");
    EXPECT_NE(std::string::npos, exported.find("\"Name\"=\"Őrült \\\"Ű\\\" C:\\\\betű\"")) << exported;

    const auto reopened = OpenStore();
    EXPECT_EQ(AnsiFromUtf8(name), reopened->ReadTextValue("Fonts\\Title", "Name", ""));
    EXPECT_EQ(-2, reopened->ReadIntValue("fonts", "size", 0)); // key and value names in any case
}

// What a person or another program put there with reg.exe reads by the
// settings' rules: texts of both string types, a value of another type an error.
TEST_F(RegistryTest, ReadsWhatRegAddStoredByTheValueRules) {
    RegAdd("Page", "MarginLeft", "REG_SZ", " /d \" 12\"");
    RegAdd("Page", "MarginRight", "REG_SZ", " /d \"12 \"");
    RegAdd("Page", "MarginBottom", "REG_EXPAND_SZ", " /d 3");
    RegAdd("Page", "Note", "REG_EXPAND_SZ", " /d %VIVIRA_NONE%\\x"); // cmd.exe leaves an unset variable
    RegAdd("", "Background", "REG_SZ", " /d $80000005");
    RegAdd("Page", "Empty", "REG_BINARY", "");
    RegAdd("Page", "MarginTop", "REG_DWORD", " /d 20");
    RegAdd("Page", "Lines", "REG_MULTI_SZ", " /d 1");
    const auto store = OpenStore();
    EXPECT_EQ(12, store->ReadIntValue("Page", "MarginLeft", 15));  // a leading blank is skipped
    EXPECT_EQ(15, store->ReadIntValue("Page", "MarginRight", 15)); // a trailing one is not a number
    EXPECT_EQ(3, store->ReadIntValue("Page", "MarginBottom", 15));
    EXPECT_EQ("%VIVIRA_NONE%\\x", store->ReadTextValue("Page", "Note", "")); // never expanded
    EXPECT_EQ(static_cast<std::int32_t>(0x80000005), store->ReadIntValue("", "Background", 0));
    EXPECT_EQ("", store->ReadTextValue("Page", "Empty", "x")); // no data reads as empty text
    EXPECT_EQ(15, store->ReadIntValue("Page", "Empty", 15));
    EXPECT_EQ(15, store->ReadIntValue("Page", "Nincs", 15));
    EXPECT_EQ(15, store->ReadIntValue("Nincs", "MarginTop", 15));
    for (const char* name : {"MarginTop", "Lines"}) {
        try {
            store->ReadIntValue("Page", name, 15);
            ADD_FAILURE() << "read " << name << " as text";
        } catch (const TSettingsError& error) {
            EXPECT_EQ("Invalid data type for '" + std::string(name) + "'", error.what());
        }
    }
}

// The tools only read: a first run creates no key, and every write fails.
TEST_F(RegistryTest, AStoreOpenedForReadingCreatesAndWritesNothing) {
    const auto store = OpenStore(TWin32RegistryBackend::TAccess::ReadOnly);
    EXPECT_EQ("", store->OpenProblem());
    EXPECT_EQ(15, store->ReadIntValue("Page", "MarginTop", 15));
    try {
        store->WriteIntValue("Page", "MarginTop", 1);
        ADD_FAILURE() << "wrote through a store opened for reading";
    } catch (const TSettingsError& error) {
        EXPECT_STREQ("Failed to create key Page: the settings are open for reading only", error.what());
    }
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExW(HKEY_CURRENT_USER, WideFromUtf8(m_root).c_str(), 0, KEY_READ, &key));
    OpenStore()->WriteIntValue("Page", "MarginTop", 7);
    EXPECT_EQ(7, OpenStore(TWin32RegistryBackend::TAccess::ReadOnly)->ReadIntValue("Page", "MarginTop", 15));
}

// Below a key that lives only until the system stops no lasting key can be
// made: the failure is the registry's message with the system's reason.
TEST_F(RegistryTest, AKeyThatCannotBeCreatedFailsTheWriteWithTheSystemsReason) {
    HKEY root = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, WideFromUtf8(m_root).c_str(), 0, nullptr,
                                             REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &root, nullptr));
    RegCloseKey(root);
    const auto store = OpenStore();
    try {
        store->WriteIntValue("Page", "MarginTop", 1);
        ADD_FAILURE() << "made a lasting key below a volatile one";
    } catch (const TSettingsError& error) {
        EXPECT_EQ("Failed to create key Page: " + Win32Reason(ERROR_CHILD_MUST_BE_VOLATILE), error.what());
    }
    store->WriteIntValue("", "Background", 1); // the root itself takes values
    EXPECT_EQ(1, store->ReadIntValue("", "Background", 0));
}

TEST_F(RegistryTest, TheProgramsStoreIsTheCantorixKeyUnlessTestsSayOtherwise) {
    _putenv_s("VIVIRA_SETTINGS_KEY", "");
    EXPECT_EQ("registry key: HKEY_CURRENT_USER\\Software\\Cantorix", SettingsPlace(SettingsRoot));
    _putenv_s("VIVIRA_SETTINGS_KEY", m_root.c_str());
    EXPECT_EQ("registry key: " + Key(""), SettingsPlace(SettingsRoot));
    std::ostringstream warnings;
    OpenSettings(SettingsRoot, "songbook_tests", warnings)->WriteIntValue("Page", "MarginTop", 9);
    _putenv_s("VIVIRA_SETTINGS_KEY", "");
    EXPECT_NE(std::string::npos, RegQuery("Page", "MarginTop").find("MarginTop    REG_SZ    9"));
    EXPECT_EQ("", warnings.str());
}

// A store that cannot be opened is named in the warnings after the program
// that runs, with the system's reason.
TEST_F(RegistryTest, AStoreThatCannotBeOpenedWarnsAfterTheProgramsName) {
    HKEY root = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, WideFromUtf8(m_root).c_str(), 0, nullptr,
                                             REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &root, nullptr));
    RegCloseKey(root);
    _putenv_s("VIVIRA_SETTINGS_KEY", (m_root + "\\Lasting").c_str());
    std::ostringstream warnings;
    const auto store = OpenSettings(SettingsRoot, "dalos", warnings);
    _putenv_s("VIVIRA_SETTINGS_KEY", "");
    EXPECT_EQ("dalos: The settings key " + Key("Lasting") + " cannot be opened (" +
                  Win32Reason(ERROR_CHILD_MUST_BE_VOLATILE) + "). The default settings are used.\n",
              warnings.str());
    EXPECT_EQ(warnings.str(), "dalos: " + store->OpenProblem() + "\n");
}

} // namespace
