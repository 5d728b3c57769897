#pragma once

#include <ostream>
#include <string>
#include <vector>

// Exit codes: 0 success, 1 unreadable files or lint findings, 2 usage errors
// and a missing folder.
int RunSongbook(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
