#include "platform/userfolders.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace {

bool IsRootFolder(const std::filesystem::path& folder) {
    return folder.lexically_normal().relative_path().empty();
}

} // namespace

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

std::string UserDataFolder() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/')
        return data;
    const std::string home = HomeFolder();
    return home.empty() ? home : (std::filesystem::path(home) / ".local" / "share").string();
}
