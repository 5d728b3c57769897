#include "platform/filelock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

TFileLock::TFileLock(const std::filesystem::path& lockFile) {
    m_descriptor = open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_descriptor < 0)
        return;
    int locked;
    while ((locked = flock(m_descriptor, LOCK_EX)) != 0 && errno == EINTR) {
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
