#include "platform/executable.h"

#include "platform/directorysearch.h"
#include "platform/pathtext.h"
#include "platform/userfolders.h"

#include <filesystem>

std::string DataDirectoryBeside(const std::string& executableDirectory) {
    return JoinPath(executableDirectory, "Data");
}

std::string DataDirectory() {
    return DataDirectoryFor(ExecutableDirectory());
}

std::string DataDirectoryFor(const std::string& executableDirectory) {
    std::error_code error;
    if (const std::string beside = DataDirectoryBeside(executableDirectory);
        std::filesystem::is_directory(PathFromUtf8(beside), error))
        return beside;
    if (const std::string userData = UserDataFolder(); !userData.empty()) {
        const std::string own = JoinPath(JoinPath(userData, "Cantorix"), "Data");
        if (std::filesystem::is_directory(PathFromUtf8(own), error))
            return own;
    }
    return Utf8FromPath(PathFromUtf8(executableDirectory).parent_path() / "share" / "vivira" / "Data");
}
