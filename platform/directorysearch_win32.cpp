#include "platform/directorysearch.h"
#include "platform/inouterror.h"
#include "platform/win32text.h"

#include <algorithm>
#include <windows.h>

namespace {

class TSearch {
public:
    explicit TSearch(HANDLE handle) : m_handle(handle) {}
    ~TSearch() { FindClose(m_handle); }
    TSearch(const TSearch&) = delete;
    TSearch& operator=(const TSearch&) = delete;
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle;
};

[[noreturn]] void ThrowUnlistable(const std::string& directory, DWORD error) {
    throw TInOutError::Because(static_cast<int>(error),
                               "Cannot read the folder " + directory + ": " + Win32Reason(error));
}

// A search that failed: a folder with no song file, or none at all, holds
// no songs; the name of a file, or a folder that cannot be read, is an error.
void RequireNothingToList(const std::string& directory, DWORD error) {
    const DWORD attributes = GetFileAttributesW(Win32Path(directory).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        ThrowUnlistable(directory, ERROR_DIRECTORY);
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
        ThrowUnlistable(directory, error);
}

} // namespace

// The system matches "*.txt" against the short 8.3 names too ("notes.txt1"
// is NOTES~1.TXT); the long name is checked again.
std::vector<std::string> FindSongFiles(const std::string& directory) {
    WIN32_FIND_DATAW entry{};
    const HANDLE first = FindFirstFileW(Win32Path(JoinPath(directory, "*.txt")).c_str(), &entry);
    if (first == INVALID_HANDLE_VALUE) {
        RequireNothingToList(directory, GetLastError());
        return {};
    }
    const TSearch search(first);
    std::vector<std::string> names;
    do {
        std::string name = Utf8FromWide(entry.cFileName);
        if (IsSongFileName(name))
            names.push_back(std::move(name));
    } while (FindNextFileW(search.Get(), &entry));
    if (const DWORD error = GetLastError(); error != ERROR_NO_MORE_FILES)
        ThrowUnlistable(directory, error);
    std::sort(names.begin(), names.end());
    return names;
}
