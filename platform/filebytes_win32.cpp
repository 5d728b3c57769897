#include "platform/filebytes.h"
#include "platform/filereading.h"
#include "platform/win32text.h"

#include <algorithm>
#include <windows.h>

namespace {

class THandle {
public:
    explicit THandle(HANDLE handle) : m_handle(handle) {}
    ~THandle() { CloseHandle(m_handle); }
    THandle(const THandle&) = delete;
    THandle& operator=(const THandle&) = delete;
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle;
};

// Other readers may share the file; a writer may not, and one that has it
// open gives a sharing violation. A folder fails as access denied.
HANDLE OpenForReading(const std::string& path) {
    const HANDLE file = CreateFileW(Win32Path(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        ThrowInOutErrorFromWin32(GetLastError());
    return file;
}

// Only files on a disk are read: a console, a pipe or a device such as NUL
// could block the program or never end. Nothing has been read from it yet.
std::size_t RegularFileSize(HANDLE file) {
    LARGE_INTEGER size{};
    if (GetFileType(file) != FILE_TYPE_DISK)
        ThrowNotARegularFile();
    if (!GetFileSizeEx(file, &size))
        ThrowInOutErrorFromWin32(GetLastError());
    return static_cast<std::size_t>(size.QuadPart);
}

std::size_t ReadSome(HANDLE file, char* buffer, std::size_t size) {
    DWORD got = 0;
    const auto count = static_cast<DWORD>(std::min<std::size_t>(size, DWORD{1} << 30));
    if (!ReadFile(file, buffer, count, &got, nullptr))
        ThrowInOutErrorFromWin32(GetLastError());
    return got;
}

} // namespace

TFileBytes ReadFileBytes(const std::string& path, std::size_t largest, TByteArena* arena) {
    const THandle file(OpenForReading(path));
    return ReadWholeFile(
        RegularFileSize(file.Get()), largest,
        [&file](char* buffer, std::size_t size) { return ReadSome(file.Get(), buffer, size); }, arena);
}
