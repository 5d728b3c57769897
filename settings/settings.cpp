#include "settings/settings.h"

#include "platform/userfolders.h"
#include "settings/filebackend.h"

#include <cstdlib>
#include <filesystem>

namespace {

std::unique_ptr<TSettings> OpenFile(const std::string& rootPath, const std::string& program, std::ostream& warnings,
                                    TRegistryFileBackend::TAccess access) {
    return std::make_unique<TSettings>(std::make_unique<TRegistryFileBackend>(
        SettingsFilePath(rootPath), "HKEY_CURRENT_USER\\" + rootPath, warnings, access, program));
}

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

std::string SettingsPlace(const std::string& rootPath) {
    const std::string file = SettingsFilePath(rootPath);
    return "settings file: " + (file.empty() ? "(none: no home folder)" : file);
}

std::unique_ptr<TSettings> OpenSettings(const std::string& rootPath, const std::string& program,
                                        std::ostream& warnings) {
    return OpenFile(rootPath, program, warnings, TRegistryFileBackend::TAccess::ReadWrite);
}

std::unique_ptr<TSettings> OpenSettingsForReading(const std::string& rootPath, const std::string& program,
                                                  std::ostream& warnings) {
    return OpenFile(rootPath, program, warnings, TRegistryFileBackend::TAccess::ReadOnly);
}
