#include "platform/atomicfile.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

// Short, so that a target named up to the file system's limit still has room
// beside it; the process number tells whether the writer is still alive.
constexpr std::string_view TemporaryPrefix = ".vivira-";

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

std::filesystem::path FolderOf(const std::filesystem::path& file) {
    return file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
}

std::filesystem::path TemporaryNameIn(const std::filesystem::path& folder) {
    static std::atomic<unsigned> counter{0};
    return folder /
           (std::string(TemporaryPrefix) + std::to_string(getpid()) + "-" + std::to_string(counter.fetch_add(1)));
}

// The process that made a temporary file, or 0 for a name that is not ours.
pid_t WriterOf(std::string_view name) {
    if (!name.starts_with(TemporaryPrefix))
        return 0;
    name.remove_prefix(TemporaryPrefix.size());
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
    return error == std::errc() && end != name.data() + name.size() && *end == '-' ? pid : 0;
}

// A save clears up after dead writers once per folder and run: an export of
// thousands of files must not list the folder for each.
void RemoveStaleTemporariesOnce(const std::filesystem::path& folder) {
    static std::mutex guard;
    static std::set<std::filesystem::path> cleared;
    const std::lock_guard lock(guard);
    if (cleared.insert(folder).second)
        TAtomicFile::RemoveStaleTemporaries(folder);
}

bool SyncFolder(const std::filesystem::path& folder) {
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool synced = fsync(descriptor) == 0;
    close(descriptor);
    return synced;
}

} // namespace

void TAtomicFile::RemoveStaleTemporaries(const std::filesystem::path& folder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const pid_t writer = WriterOf(entry.path().filename().string());
        if (writer > 0 && writer != getpid() && kill(writer, 0) != 0 && errno == ESRCH)
            std::filesystem::remove(entry.path(), error);
    }
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

bool TAtomicFile::Fail(int error) {
    return Fail(std::generic_category().message(error));
}

bool TAtomicFile::Fail(std::string reason) {
    m_failureReason = std::move(reason);
    return false;
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
    RemoveStaleTemporariesOnce(FolderOf(m_target));
    for (int attempt = 0; attempt < 100 && m_descriptor < 0; ++attempt) {
        m_temporary = TemporaryNameIn(FolderOf(m_target));
        // 0666 lets the umask decide, as it would for a new file.
        m_descriptor = open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_descriptor < 0 && errno != EEXIST)
            return Fail(errno);
    }
    if (m_descriptor < 0)
        return Fail(EEXIST);
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
            return Fail(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool TAtomicFile::Commit() {
    if (fsync(m_descriptor) != 0)
        return Fail(errno);
    const int closed = close(m_descriptor);
    m_descriptor = -1;
    if (closed != 0 || rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        const int error = errno;
        unlink(m_temporary.c_str());
        return Fail(error);
    }
    // The rename itself is on disk only once the folder is.
    SyncFolder(FolderOf(m_target));
    return true;
}
