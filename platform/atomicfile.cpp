#include "platform/atomicfile.h"

#include "platform/pathtext.h"
#include "platform/process.h"

#include <atomic>
#include <charconv>
#include <mutex>
#include <set>

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

// The process that made a temporary file, or 0 for a name that is not ours.
long WriterOf(std::string_view name) {
    if (!name.starts_with(TemporaryPrefix))
        return 0;
    name.remove_prefix(TemporaryPrefix.size());
    long pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
    return error == std::errc() && end != name.data() + name.size() && *end == '-' ? pid : 0;
}

} // namespace

void TAtomicFile::RemoveStaleTemporaries(const std::filesystem::path& folder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const long writer = WriterOf(Utf8FromPath(entry.path().filename()));
        if (writer > 0 && writer != CurrentProcessId() && ProcessIsGone(writer))
            std::filesystem::remove(entry.path(), error);
    }
}

TAtomicFile::TAtomicFile(std::filesystem::path target) : m_target(ResolveLinks(target)) {}

TAtomicFile::TAtomicFile(const std::string& utf8Target) : TAtomicFile(PathFromUtf8(utf8Target)) {}

TAtomicFile::~TAtomicFile() {
    Discard();
}

bool TAtomicFile::Fail(std::string reason) {
    m_failureReason = std::move(reason);
    return false;
}

std::filesystem::path TAtomicFile::Folder() const {
    return m_target.parent_path().empty() ? std::filesystem::path(".") : m_target.parent_path();
}

std::filesystem::path TAtomicFile::NextTemporaryPath() const {
    static std::atomic<unsigned> counter{0};
    return Folder() / (std::string(TemporaryPrefix) + std::to_string(CurrentProcessId()) + "-" +
                       std::to_string(counter.fetch_add(1)));
}

// A save clears up after dead writers once per folder and run: an export of
// thousands of files must not list the folder for each.
void TAtomicFile::RemoveStaleTemporariesOnce() const {
    static std::mutex guard;
    static std::set<std::filesystem::path> cleared;
    const std::lock_guard lock(guard);
    if (cleared.insert(Folder()).second)
        RemoveStaleTemporaries(Folder());
}
