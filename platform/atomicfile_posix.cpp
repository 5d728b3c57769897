#include "platform/atomicfile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

bool TAtomicFile::SyncFolder(const std::filesystem::path& folder) {
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool synced = fsync(descriptor) == 0;
    close(descriptor);
    return synced;
}

void TAtomicFile::Discard() {
    if (m_file < 0)
        return;
    close(static_cast<int>(m_file));
    unlink(m_temporary.c_str());
    m_file = -1;
}

bool TAtomicFile::Fail(int error) {
    return Fail(std::generic_category().message(error));
}

bool TAtomicFile::Open() {
    Discard();
    struct stat existing {};
    const bool exists = stat(m_target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return Fail(EISDIR);
    if (exists && !S_ISREG(existing.st_mode))
        return Fail("Not a regular file");
    if (exists && access(m_target.c_str(), W_OK) != 0)
        return Fail(errno);
    RemoveStaleTemporariesOnce();
    for (int attempt = 0; attempt < 100 && m_file < 0; ++attempt) {
        m_temporary = NextTemporaryPath();
        // 0666 lets the umask decide, as it would for a new file.
        m_file = open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_file < 0 && errno != EEXIST)
            return Fail(errno);
    }
    if (m_file < 0)
        return Fail(EEXIST);
    if (exists)
        fchmod(static_cast<int>(m_file), existing.st_mode & 07777); // best effort: keep the old file's permissions
    return true;
}

bool TAtomicFile::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(static_cast<int>(m_file), bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return Fail(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool TAtomicFile::Commit() {
    if (fsync(static_cast<int>(m_file)) != 0)
        return Fail(errno);
    if (!Place())
        return false;
    // The rename itself is on disk only once the folder is.
    SyncFolder(Folder());
    return true;
}

bool TAtomicFile::Place() {
    const int closed = close(static_cast<int>(m_file));
    m_file = -1;
    if (closed != 0 || rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        const int error = errno;
        unlink(m_temporary.c_str());
        return Fail(error);
    }
    return true;
}
