#include "platform/filelock.h"
#include "platform/pathtext.h"
#include "platform/win32text.h"

#include <thread>
#include <windows.h>

namespace {

constexpr std::chrono::milliseconds RetryInterval{20};

// The first byte of the file is what is locked; the lock goes with the
// handle, so a holder that dies lets go of it.
bool TryLock(HANDLE file) {
    OVERLAPPED start{};
    return LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &start);
}

} // namespace

TFileLock::TFileLock(const std::filesystem::path& lockFile, std::chrono::milliseconds patience) {
    const HANDLE file =
        CreateFileW(Win32Path(Utf8FromPath(lockFile)).c_str(), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    bool locked;
    while (!(locked = TryLock(file)) && GetLastError() == ERROR_LOCK_VIOLATION &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(RetryInterval);
    if (!locked) {
        const DWORD error = GetLastError();
        CloseHandle(file);
        SetLastError(error);
        return;
    }
    m_handle = reinterpret_cast<std::intptr_t>(file);
}

TFileLock::~TFileLock() {
    if (m_handle != -1)
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));
}
