#include "settings/settings.h"

#include "settings/filebackend.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace {

bool IsRootFolder(const std::filesystem::path& folder) {
    return folder.lexically_normal().relative_path().empty();
}

// $HOME, else the password database's; never the root folder (we would make
// /.config), and from the database only a folder that is there.
std::string HomeFolder() {
    if (const char* variable = std::getenv("HOME"); variable && *variable == '/' && !IsRootFolder(variable))
        return variable;
    std::error_code error;
    if (const passwd* user = getpwuid(getuid()); user && user->pw_dir && *user->pw_dir == '/' &&
                                                 !IsRootFolder(user->pw_dir) &&
                                                 std::filesystem::is_directory(user->pw_dir, error))
        return user->pw_dir;
    return {};
}

std::unique_ptr<TSettings> OpenFile(const std::string& rootPath, std::ostream& warnings,
                                    TRegistryFileBackend::TAccess access) {
    return std::make_unique<TSettings>(std::make_unique<TRegistryFileBackend>(
        SettingsFilePath(rootPath), "HKEY_CURRENT_USER\\" + rootPath, warnings, access));
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

std::unique_ptr<TSettings> OpenSettings(const std::string& rootPath, std::ostream& warnings) {
    return OpenFile(rootPath, warnings, TRegistryFileBackend::TAccess::ReadWrite);
}

std::unique_ptr<TSettings> OpenSettingsForReading(const std::string& rootPath, std::ostream& warnings) {
    return OpenFile(rootPath, warnings, TRegistryFileBackend::TAccess::ReadOnly);
}
