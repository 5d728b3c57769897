#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// Replaces a file as a whole: the new contents go to a fresh file beside the
// target, which takes the target's name only once it is complete and on disk.
// A failure at any step, a crash or a full disk leaves the old file as it was.
// Every step returns false on failure, with FailureReason() saying why; a
// file that is never committed is removed.
class TAtomicFile {
public:
    explicit TAtomicFile(std::filesystem::path target);
    explicit TAtomicFile(const std::string& utf8Target);
    ~TAtomicFile();
    TAtomicFile(const TAtomicFile&) = delete;
    TAtomicFile& operator=(const TAtomicFile&) = delete;

    // Fails as creating or truncating the target would (a folder, a read-only
    // file, a folder that does not exist or cannot be written), and for a
    // target that is not a regular file: a device or a pipe is never replaced.
    bool Open();
    bool Write(std::string_view bytes);
    bool Commit();

    // In the system's words ("Permission denied", "Not a regular file").
    const std::string& FailureReason() const { return m_failureReason; }
    // Where the new contents go until Commit, for a writer that wants a name
    // rather than Write (it must have closed the file before Commit).
    const std::filesystem::path& TemporaryPath() const { return m_temporary; }

    // Removes the temporary files that saves into the folder left when their
    // program died midway (those whose program is gone).
    static void RemoveStaleTemporaries(const std::filesystem::path& folder);

    const std::filesystem::path& Target() const { return m_target; }

private:
    friend class TAtomicFileBatch;

    // What Commit does once the data is on disk: the temporary takes the
    // target's name. The folder is not flushed.
    bool Place();
    static bool SyncFolder(const std::filesystem::path& folder);
    // A system error code: errno, or Windows' GetLastError().
    bool Fail(int error);
    bool Fail(std::string reason);
    void Discard();
    std::filesystem::path Folder() const;
    std::filesystem::path NextTemporaryPath() const;
    void RemoveStaleTemporariesOnce() const;

    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    std::intptr_t m_file = -1; // a descriptor, or Windows' HANDLE (INVALID_HANDLE_VALUE is -1 too)
    std::string m_failureReason;
};
