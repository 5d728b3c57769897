#pragma once

#include "tests/support/tempdirectory.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

struct TRun {
    int ExitCode;
    std::string Out;
    std::string Err;
};

// songbook with these arguments, run in this process.
TRun Songbook(const std::vector<std::string>& arguments);

// An RTF file as plain text, read by pandoc, which no one here wrote.
std::string PandocText(const std::string& path);

// The user's own settings stay out of reach: each test has a settings file
// of its own, or on Windows a registry key.
class SongbookWithSettings : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void StoreSetting(const std::string& section, const std::string& name, const std::string& text);

    TTempDirectory m_settingsFolder;
    std::string m_settingsFile = m_settingsFolder / "settings.reg";
    std::string m_settingsKey;   // Windows only: the registry key, of this process
    std::string m_settingsPlace; // as songbook settings names the store
};
