#include "platform/filelock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr std::chrono::milliseconds RetryInterval{20};

} // namespace

TFileLock::TFileLock(const std::filesystem::path& lockFile, std::chrono::milliseconds patience) {
    m_handle = open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_handle < 0)
        return;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    int locked;
    while ((locked = flock(static_cast<int>(m_handle), LOCK_EX | LOCK_NB)) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(RetryInterval);
    }
    if (locked != 0) {
        const int error = errno;
        close(static_cast<int>(m_handle));
        m_handle = -1;
        errno = error;
    }
}

TFileLock::~TFileLock() {
    if (m_handle >= 0)
        close(static_cast<int>(m_handle));
}
