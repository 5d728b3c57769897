#pragma once

#include "platform/atomicfile.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

struct TAtomicFileFailure {
    std::filesystem::path Target;
    std::string Reason;
};

// Many files replaced as TAtomicFile replaces one, but flushed to disk
// together: a file's own Commit flushes its data and then its folder, two
// waits for the disk per file, which an export of thousands of files feels.
// Commit here makes the data of every file added durable first (on Linux
// with one flush of the file system), then gives each its name, then flushes
// each folder once. A crash before it ends loses whole files of the batch
// only: each target holds either what it held before or all of its new
// content, never part of it; the temporaries left behind are cleared by the
// next save into the folder.
class TAtomicFileBatch {
public:
    TAtomicFileBatch() = default;
    ~TAtomicFileBatch() = default; // files never committed are discarded
    TAtomicFileBatch(const TAtomicFileBatch&) = delete;
    TAtomicFileBatch& operator=(const TAtomicFileBatch&) = delete;

    // A file opened and written in full, to be committed with the others.
    void Add(std::unique_ptr<TAtomicFile> file) { m_files.push_back(std::move(file)); }
    std::size_t Size() const { return m_files.size(); }

    // Puts every file added since the last Commit in place; those that could
    // not be are left as they were, and returned with the reason.
    std::vector<TAtomicFileFailure> Commit();

private:
    std::vector<std::unique_ptr<TAtomicFile>> m_files;
};
