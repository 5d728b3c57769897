#pragma once

#include <string>

// The whole content of a file, read in large blocks. Throws TInOutError;
// a directory gives "File access denied".
std::string ReadFileBytes(const std::string& path);
