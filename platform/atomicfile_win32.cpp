#include "platform/atomicfile.h"
#include "platform/pathtext.h"
#include "platform/win32text.h"

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <windows.h>

namespace {

std::wstring WidePathOf(const std::filesystem::path& path) {
    return Win32Path(Utf8FromPath(path));
}

// NUL, CON, COM1 and the like take any name in any folder; a pipe has a name of its own.
bool IsDevice(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool device = GetFileType(file) != FILE_TYPE_DISK;
    CloseHandle(file);
    return device;
}

// What a saved document keeps of the file it replaces; read-only files are never replaced.
constexpr DWORD KeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

HANDLE HandleOf(std::intptr_t file) {
    return reinterpret_cast<HANDLE>(file);
}

} // namespace

void TAtomicFile::Discard() {
    if (HandleOf(m_file) == INVALID_HANDLE_VALUE)
        return;
    CloseHandle(HandleOf(m_file));
    DeleteFileW(WidePathOf(m_temporary).c_str());
    m_file = -1;
}

bool TAtomicFile::Fail(int error) {
    return Fail(Win32Reason(static_cast<DWORD>(error)));
}

bool TAtomicFile::Open() {
    Discard();
    const std::wstring target = WidePathOf(m_target);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return Fail(std::generic_category().message(EISDIR));
    if (IsDevice(target))
        return Fail("Not a regular file");
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY))
        return Fail(ERROR_ACCESS_DENIED);
    RemoveStaleTemporariesOnce();
    for (int attempt = 0; attempt < 100 && HandleOf(m_file) == INVALID_HANDLE_VALUE; ++attempt) {
        m_temporary = NextTemporaryPath();
        // Nobody else may open it while it is being written.
        const HANDLE file = CreateFileW(WidePathOf(m_temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            return Fail(static_cast<int>(GetLastError()));
        m_file = reinterpret_cast<std::intptr_t>(file);
    }
    if (HandleOf(m_file) == INVALID_HANDLE_VALUE)
        return Fail(ERROR_FILE_EXISTS);
    return true;
}

bool TAtomicFile::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const auto count = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), DWORD{1} << 30));
        if (!WriteFile(HandleOf(m_file), bytes.data(), count, &written, nullptr))
            return Fail(static_cast<int>(GetLastError()));
        bytes.remove_prefix(written);
    }
    return true;
}

// The name changes hands at once, and only once the data is on disk.
bool TAtomicFile::Commit() {
    if (!FlushFileBuffers(HandleOf(m_file)))
        return Fail(static_cast<int>(GetLastError()));
    return Place();
}

// The new file takes the old one's attributes, as the permissions on POSIX;
// the move is written through, so no folder needs flushing after it.
bool TAtomicFile::Place() {
    const bool closed = CloseHandle(HandleOf(m_file));
    m_file = -1;
    const std::wstring target = WidePathOf(m_target);
    const std::wstring temporary = WidePathOf(m_temporary);
    if (const DWORD attributes = GetFileAttributesW(target.c_str()); attributes != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesW(temporary.c_str(), attributes & KeptAttributes);
    if (!closed ||
        !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        return Fail(static_cast<int>(error));
    }
    return true;
}
