#pragma once

#include "settings/settings.h"
#include "tests/support/tempdirectory.h"

#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>

inline const std::string CantorixKey = "HKEY_CURRENT_USER\\Software\\Cantorix";

// A settings file of its own in a temporary folder, never the user's.
class SettingsTest : public testing::Test {
protected:
    std::unique_ptr<TSettings> OpenStore();
    std::string FileText() const;
    void WriteFile(const std::string& text) const;

    TTempDirectory m_folder;
    std::string m_file = m_folder / "Cantorix/settings.reg";
    std::ostringstream m_warnings;
};
