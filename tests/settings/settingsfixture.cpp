#include "tests/settings/settingsfixture.h"

#include "platform/filebytes.h"
#include "settings/filebackend.h"

#include <filesystem>

std::unique_ptr<TSettings> SettingsTest::OpenStore() {
    return std::make_unique<TSettings>(std::make_unique<TRegistryFileBackend>(
        m_file, CantorixKey, m_warnings, TRegistryFileBackend::TAccess::ReadWrite, "vivira"));
}

std::string SettingsTest::FileText() const {
    return ReadBytes(m_file);
}

void SettingsTest::WriteFile(const std::string& text) const {
    std::filesystem::create_directories(std::filesystem::path(m_file).parent_path());
    WriteBytes(m_file, text);
}
