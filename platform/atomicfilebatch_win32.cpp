#include "platform/atomicfilebatch.h"

// Windows flushes one file at a time (a whole volume only for
// administrators), and its moves are written through: each file commits alone.
std::vector<TAtomicFileFailure> TAtomicFileBatch::Commit() {
    std::vector<TAtomicFileFailure> failures;
    for (const std::unique_ptr<TAtomicFile>& file : m_files) {
        if (!file->Commit())
            failures.push_back({file->Target(), file->FailureReason()});
    }
    m_files.clear();
    return failures;
}
