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
    m_descriptor = open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_descriptor < 0)
        return;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    int locked;
    while ((locked = flock(m_descriptor, LOCK_EX | LOCK_NB)) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(RetryInterval);
    }
    if (locked != 0) {
        const int error = errno;
        close(m_descriptor);
        m_descriptor = -1;
        errno = error;
    }
}

TFileLock::~TFileLock() {
    if (m_descriptor >= 0)
        close(m_descriptor);
}
