#include "tests/tools/songbookrun.h"

#include "settings/settings.h"
#include "tests/support/externaltool.h"
#include "tests/support/songfixture.h"
#include "tools/songbook/songbook.h"

#include <cstdlib>
#include <iostream>
#include <sstream>
#ifdef _WIN32
#include "platform/win32text.h"

#include <windows.h>
#endif

TRun Songbook(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = RunSongbook(arguments, out, err);
    return {exitCode, out.str(), err.str()};
}

std::string PandocText(const std::string& path) {
    return RunTool("pandoc -f rtf -t plain --wrap=none " + ShellQuoted(path));
}

#ifdef _WIN32
void SongbookWithSettings::SetUp() {
    m_settingsKey = "Software\\Cantorix-tests\\songbook-" + std::to_string(GetCurrentProcessId());
    m_settingsPlace = "registry key: HKEY_CURRENT_USER\\" + m_settingsKey;
    _putenv_s("VIVIRA_SETTINGS_KEY", m_settingsKey.c_str());
}

void SongbookWithSettings::TearDown() {
    _putenv_s("VIVIRA_SETTINGS_KEY", "");
    RegDeleteTreeW(HKEY_CURRENT_USER, WideFromUtf8(m_settingsKey).c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Cantorix-tests"); // once no other test has a key there
}
#else
void SongbookWithSettings::SetUp() {
    m_settingsPlace = "settings file: " + m_settingsFile;
    setenv("VIVIRA_SETTINGS_FILE", m_settingsFile.c_str(), 1);
}

void SongbookWithSettings::TearDown() {
    unsetenv("VIVIRA_SETTINGS_FILE");
}
#endif

void SongbookWithSettings::StoreSetting(const std::string& section, const std::string& name, const std::string& text) {
    OpenSettings(SettingsRoot, "songbook_tests", std::cerr)->WriteTextValue(section, name, AnsiFromUtf8(text));
}
