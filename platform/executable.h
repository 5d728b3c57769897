#pragma once

#include <string>

// The folder that holds the running executable, without a trailing separator
// (a root folder keeps its separator).
std::string ExecutableDirectory();

// The song library folder beside the executable: "<folder>/Data".
std::string DataDirectoryBeside(const std::string& executableDirectory);
std::string DataDirectory();
