#pragma once

#include <string>
#include <string_view>
#include <vector>

// "<directory>/<name>" (a backslash on Windows), without doubling a separator.
std::string JoinPath(const std::string& directory, const std::string& name);

// True for names that "*.txt" matches, the extension in any letter case.
bool IsSongFileName(std::string_view name);

// The names of every entry of the folder that IsSongFileName accepts, hidden
// entries and folders included, in byte order of their names so that every
// run loads the same way. A folder that is missing has no entries; one that
// cannot be listed (no permission, not a folder) throws TInOutError.
std::vector<std::string> FindSongFiles(const std::string& directory);
