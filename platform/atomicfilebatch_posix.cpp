#include "platform/atomicfilebatch.h"

#include <cerrno>
#include <set>
#include <unistd.h>

namespace {

// One flush of the whole file system writes the data of every file in it
// with one wait for the disk, where a flush per file waits once for each.
bool SyncFileSystemOf(int descriptor) {
#ifdef __linux__
    return syncfs(descriptor) == 0;
#else
    (void)descriptor;
    return false;
#endif
}

} // namespace

std::vector<TAtomicFileFailure> TAtomicFileBatch::Commit() {
    std::vector<TAtomicFileFailure> failures;
    const bool allSynced = !m_files.empty() && SyncFileSystemOf(static_cast<int>(m_files.front()->m_file));
    std::set<std::filesystem::path> folders;
    for (const std::unique_ptr<TAtomicFile>& file : m_files) {
        // A file on another file system, or where the flush failed, is flushed alone.
        const bool sameSystem = allSynced && file->Folder() == m_files.front()->Folder();
        const bool synced = sameSystem || fsync(static_cast<int>(file->m_file)) == 0;
        if (!synced ? file->Fail(errno) : file->Place())
            folders.insert(file->Folder());
        else
            failures.push_back({file->Target(), file->FailureReason()});
    }
    for (const std::filesystem::path& folder : folders)
        TAtomicFile::SyncFolder(folder);
    m_files.clear();
    return failures;
}
