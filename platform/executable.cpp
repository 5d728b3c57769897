#include "platform/executable.h"

#include "platform/directorysearch.h"
#include "platform/inouterror.h"
#include "platform/userfolders.h"

#include <cerrno>
#include <filesystem>

std::string ExecutableDirectory() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        ThrowInOutErrorFromErrno(error.value());
    return executable.parent_path().string();
}

std::string DataDirectoryBeside(const std::string& executableDirectory) {
    return JoinPath(executableDirectory, "Data");
}

std::string DataDirectory() {
    return DataDirectoryFor(ExecutableDirectory());
}

std::string DataDirectoryFor(const std::string& executableDirectory) {
    std::error_code error;
    if (const std::string beside = DataDirectoryBeside(executableDirectory);
        std::filesystem::is_directory(beside, error))
        return beside;
    if (const std::string userData = UserDataFolder(); !userData.empty()) {
        const std::string own = JoinPath(JoinPath(userData, "Cantorix"), "Data");
        if (std::filesystem::is_directory(own, error))
            return own;
    }
    return (std::filesystem::path(executableDirectory).parent_path() / "share" / "vivira" / "Data").string();
}
