#include "platform/executable.h"

#include "platform/directorysearch.h"
#include "platform/inouterror.h"

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
    return DataDirectoryBeside(ExecutableDirectory());
}
