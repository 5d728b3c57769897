#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>

// An exclusive lock between processes, held on a small file of its own while
// the object lives. The system drops it when a holder dies, so a crash never
// leaves it stuck; a holder that hangs is waited for only so long.
class TFileLock {
public:
    TFileLock(const std::filesystem::path& lockFile, std::chrono::milliseconds patience);
    ~TFileLock();
    TFileLock(const TFileLock&) = delete;
    TFileLock& operator=(const TFileLock&) = delete;

    // False when the lock file could not be created, or another holder kept
    // the lock for longer than the patience (errno EWOULDBLOCK on POSIX,
    // ERROR_LOCK_VIOLATION from GetLastError() on Windows).
    bool Acquired() const { return m_handle != -1; }

private:
    std::intptr_t m_handle = -1; // a descriptor, or Windows' HANDLE (INVALID_HANDLE_VALUE is -1 too)
};
