#pragma once

#include <filesystem>

// An exclusive lock between processes, held on a small file of its own while
// the object lives; it waits for another holder to let go. The system drops
// it when a holder dies, so a crash never leaves it stuck.
class TFileLock {
public:
    explicit TFileLock(const std::filesystem::path& lockFile);
    ~TFileLock();
    TFileLock(const TFileLock&) = delete;
    TFileLock& operator=(const TFileLock&) = delete;

    // False when the lock file could not be created or locked (errno set).
    bool Acquired() const { return m_descriptor >= 0; }

private:
    int m_descriptor = -1;
};
