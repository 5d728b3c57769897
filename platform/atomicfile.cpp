#include "platform/atomicfile.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writes through a symbolic link to the file it names, as truncating would.
std::filesystem::path ResolveLinks(const std::filesystem::path& target) {
    std::error_code error;
    if (std::filesystem::is_symlink(target, error)) {
        auto resolved = std::filesystem::weakly_canonical(target, error);
        if (!error)
            return resolved;
    }
    return target;
}

std::filesystem::path TemporaryNameBeside(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    auto name = TAtomicFile::TemporaryNamePrefix(target) + std::to_string(getpid()) + "-" +
                std::to_string(counter.fetch_add(1));
    return target.parent_path() / name;
}

bool SyncFolderOf(const std::filesystem::path& file) {
    const auto folder = file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool synced = fsync(descriptor) == 0;
    close(descriptor);
    return synced;
}

} // namespace

std::string TAtomicFile::TemporaryNamePrefix(const std::filesystem::path& target) {
    return "." + target.filename().string() + ".tmp";
}

TAtomicFile::TAtomicFile(std::filesystem::path target) : m_target(ResolveLinks(target)) {}

TAtomicFile::~TAtomicFile() {
    Discard();
}

void TAtomicFile::Discard() {
    if (m_descriptor < 0)
        return;
    close(m_descriptor);
    unlink(m_temporary.c_str());
    m_descriptor = -1;
}

bool TAtomicFile::Open() {
    Discard();
    struct stat existing {};
    const bool exists = stat(m_target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        errno = EISDIR;
        return false;
    }
    if (exists && access(m_target.c_str(), W_OK) != 0)
        return false;
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_temporary = TemporaryNameBeside(m_target);
        // 0666 lets the umask decide, as it would for a new file.
        m_descriptor = open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_descriptor >= 0)
            break;
        if (errno != EEXIST)
            return false;
    }
    if (m_descriptor < 0)
        return false;
    if (exists)
        fchmod(m_descriptor, existing.st_mode & 07777); // best effort: keep the old file's permissions
    return true;
}

bool TAtomicFile::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(m_descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool TAtomicFile::Commit() {
    if (fsync(m_descriptor) != 0)
        return false;
    if (close(m_descriptor) != 0) {
        m_descriptor = -1;
        unlink(m_temporary.c_str());
        return false;
    }
    m_descriptor = -1;
    if (rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        const int error = errno;
        unlink(m_temporary.c_str());
        errno = error;
        return false;
    }
    // The rename itself is on disk only once the folder is.
    SyncFolderOf(m_target);
    return true;
}
