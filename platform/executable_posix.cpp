#include "platform/executable.h"
#include "platform/inouterror.h"

#include <filesystem>

std::string ExecutableDirectory() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        ThrowInOutErrorFromErrno(error.value());
    return executable.parent_path().string();
}
