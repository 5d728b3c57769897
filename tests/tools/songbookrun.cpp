#include "tests/tools/songbookrun.h"

#include "settings/settings.h"
#include "tests/support/songfixture.h"
#include "tools/songbook/songbook.h"

#include <cstdlib>
#include <iostream>
#include <sstream>

TRun Songbook(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = RunSongbook(arguments, out, err);
    return {exitCode, out.str(), err.str()};
}

void SongbookWithSettings::SetUp() {
    setenv("VIVIRA_SETTINGS_FILE", m_settingsFile.c_str(), 1);
}

void SongbookWithSettings::TearDown() {
    unsetenv("VIVIRA_SETTINGS_FILE");
}

void SongbookWithSettings::StoreSetting(const std::string& section, const std::string& name, const std::string& text) {
    OpenSettings(SettingsRoot, "songbook_tests", std::cerr)->WriteTextValue(section, name, AnsiFromUtf8(text));
}
