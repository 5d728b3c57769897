#include "settings/settings.h"

#include "platform/userfolders.h"
#include "settings/filebackend.h"
#include "settings/integertext.h"

#include <cstdlib>
#include <filesystem>

#ifdef _WIN32
#include "settings/win32backend.h"
#endif

std::int32_t TSettings::ReadIntValue(const std::string& section, const std::string& name, std::int32_t defaultValue) {
    const std::optional<std::string> text = m_backend->ReadString(section, name);
    return text ? ParseIntegerText(*text).value_or(defaultValue) : defaultValue;
}

void TSettings::WriteIntValue(const std::string& section, const std::string& name, std::int32_t value) {
    m_backend->WriteString(section, name, std::to_string(value));
}

std::string TSettings::ReadTextValue(const std::string& section, const std::string& name,
                                     const std::string& defaultText) {
    return m_backend->ReadString(section, name).value_or(defaultText);
}

void TSettings::WriteTextValue(const std::string& section, const std::string& name, const std::string& text) {
    m_backend->WriteString(section, name, text);
}

namespace {

#ifndef _WIN32
std::unique_ptr<TSettings> OpenFile(const std::string& rootPath, const std::string& program, std::ostream& warnings,
                                    TRegistryFileBackend::TAccess access) {
    return std::make_unique<TSettings>(std::make_unique<TRegistryFileBackend>(
        SettingsFilePath(rootPath), "HKEY_CURRENT_USER\\" + rootPath, warnings, access, program));
}
#endif

} // namespace

std::string SettingsFilePath(const std::string& rootPath) {
    if (const char* file = std::getenv("VIVIRA_SETTINGS_FILE"); file && *file)
        return file;
    std::filesystem::path folder;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
        folder = config;
    else if (const std::string home = HomeFolder(); !home.empty())
        folder = std::filesystem::path(home) / ".config";
    else
        return {};
    const std::string product = rootPath.substr(rootPath.rfind('\\') + 1);
    return (folder / product / "settings.reg").string();
}

std::unique_ptr<TSettings> OpenSettings(const std::string& rootPath, [[maybe_unused]] const std::string& program,
                                        [[maybe_unused]] std::ostream& warnings) {
#ifdef _WIN32
    return std::make_unique<TSettings>(std::make_unique<TWin32RegistryBackend>(rootPath));
#else
    return OpenFile(rootPath, program, warnings, TRegistryFileBackend::TAccess::ReadWrite);
#endif
}

std::unique_ptr<TSettings> OpenSettingsForReading(const std::string& rootPath,
                                                  [[maybe_unused]] const std::string& program,
                                                  [[maybe_unused]] std::ostream& warnings) {
#ifdef _WIN32
    return std::make_unique<TSettings>(std::make_unique<TWin32RegistryBackend>(rootPath));
#else
    return OpenFile(rootPath, program, warnings, TRegistryFileBackend::TAccess::ReadOnly);
#endif
}
