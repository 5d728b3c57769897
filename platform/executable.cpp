#include "platform/executable.h"

#include "platform/directorysearch.h"

std::string DataDirectoryBeside(const std::string& executableDirectory) {
    return JoinPath(executableDirectory, "Data");
}

std::string DataDirectory() {
    return DataDirectoryBeside(ExecutableDirectory());
}
