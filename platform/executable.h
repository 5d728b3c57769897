#pragma once

#include <string>

// The folder that holds the running executable, without a trailing separator
// (a root folder keeps its separator).
std::string ExecutableDirectory();

// The song library folder beside the executable: "<folder>/Data".
std::string DataDirectoryBeside(const std::string& executableDirectory);

// The library read when the user names none, for the running executable:
// a Data folder beside it when there is one (a portable copy, the build
// tree); else the user's own, <UserDataFolder()>/Cantorix/Data, when there
// is one; else the sample library installed with the program,
// <prefix>/share/vivira/Data for an executable in <prefix>/bin.
std::string DataDirectory();
std::string DataDirectoryFor(const std::string& executableDirectory);
